#include "dialogs/dig5_tone_dlg.h"

#include "resources/resource_ids.h"

using namespace tqr417::res;
using tqr417::dialogs::Row;

namespace {
// Every control but the Enable box, OK and Cancel.
constexpr int kRuledControls[] = {IDC_DIG5_ACTIVE_HIGH, IDC_DIG5_FREQ,   IDC_DIG5_LEVEL,
                                  IDC_DIG5_ON_MS,       IDC_DIG5_OFF_MS, IDC_DIG5_R1,
                                  IDC_DIG5_R2};
}  // namespace

CDig5ToneDlg::CDig5ToneDlg(CDialog* parent) : CDialog(IDD_DIG5_TONE, parent) {
  AddHandler(IDC_DIG5_ENABLE, BN_CLICKED, [this] { ApplyEnableRule(); });
  // Frequency and level share one label; the time edits are named by theirs.
  SetAccessibleName(IDC_DIG5_FREQ, "Tone Frequency");
  SetAccessibleName(IDC_DIG5_LEVEL, "Tone Level");
}

BOOL CDig5ToneDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ApplyEnableRule();
  return TRUE;
}

constexpr tqr417::dialogs::SettingRow<CDig5ToneDlg> kRows[] = {
    Row(&CDig5ToneDlg::dig5ActiveHigh, "dig5ActiveHigh"),
    Row(&CDig5ToneDlg::dig5Enable, "dig5Enable"),
    Row(&CDig5ToneDlg::dig5ToneFreq, "dig5ToneFreq"),
    Row(&CDig5ToneDlg::dig5ToneLevel, "dig5ToneLevel"),
    Row(&CDig5ToneDlg::dig5OffMs, "dig5OffMs"),
    Row(&CDig5ToneDlg::dig5OnMs, "dig5OnMs"),
    Row(&CDig5ToneDlg::dig5R1, "dig5R1"),
    Row(&CDig5ToneDlg::dig5R2, "dig5R2"),
};

std::span<const tqr417::dialogs::SettingRow<CDig5ToneDlg>> CDig5ToneDlg::Rows() { return kRows; }

void CDig5ToneDlg::DoDataExchange(CDataExchange* pDX) { tqr417::dialogs::ExchangeRows(pDX, *this); }

void CDig5ToneDlg::ApplyEnableRule() {
  // The Enable box is read second, before any field that can fail, so the member follows
  // the box even when a stored or typed value is out of range.
  UpdateData(TRUE);
  for (int id : kRuledControls) {
    if (CWnd* control = GetDlgItem(id)) control->EnableWindow(dig5Enable != 0);
  }
}
