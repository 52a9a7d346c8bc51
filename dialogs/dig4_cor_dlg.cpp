#include "dialogs/dig4_cor_dlg.h"

#include "resources/resource_ids.h"

using namespace tqr417::res;
using tqr417::dialogs::Row;

namespace {
// Every control but the Enable box, OK and Cancel; the seconds edit is one of them.
constexpr int kEnableRuledControls[] = {IDC_DIG4_REVERT_SEC, IDC_DIG4_ACTIVE_HIGH, IDC_DIG4_RX_MUTE,
                                        IDC_DIG4_REVERT,     IDC_DIG4_R1,          IDC_DIG4_R2};
}  // namespace

CDig4CorDlg::CDig4CorDlg(CDialog* parent) : CDialog(IDD_DIG4_COR, parent) {
  AddHandler(IDC_DIG4_REVERT, BN_CLICKED, [this] { ApplyRevertRule(); });
  AddHandler(IDC_DIG4_ENABLE, BN_CLICKED, [this] { ApplyEnableRule(); });
  // The seconds edit has only its unit beside it.
  SetAccessibleName(IDC_DIG4_REVERT_SEC, "Revert Time (sec)");
}

BOOL CDig4CorDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ApplyRevertRule();
  ApplyEnableRule();
  return TRUE;
}

constexpr tqr417::dialogs::SettingRow<CDig4CorDlg> kRows[] = {
    Row(&CDig4CorDlg::dig4RevertF1, "dig4RevertF1"),
    Row(&CDig4CorDlg::dig4RevertSec, "dig4RevertSec"),
    Row(&CDig4CorDlg::dig4ActiveHigh, "dig4ActiveHigh"),
    Row(&CDig4CorDlg::dig4RxMute, "dig4RxMute"),
    Row(&CDig4CorDlg::dig4Enable, "dig4Enable"),
    Row(&CDig4CorDlg::dig4R1, "dig4R1"),
    Row(&CDig4CorDlg::dig4R2, "dig4R2"),
};

std::span<const tqr417::dialogs::SettingRow<CDig4CorDlg>> CDig4CorDlg::Rows() { return kRows; }

void CDig4CorDlg::DoDataExchange(CDataExchange* pDX) { tqr417::dialogs::ExchangeRows(pDX, *this); }

void CDig4CorDlg::ApplyRevertRule() {
  UpdateData(TRUE);
  if (CWnd* seconds = GetDlgItem(IDC_DIG4_REVERT_SEC)) seconds->EnableWindow(dig4RevertF1 != 0);
}

void CDig4CorDlg::ApplyEnableRule() {
  // The read stops at the seconds edit when it holds a bad value, before it reaches the
  // Enable box; the rule then follows the box's previous state.
  UpdateData(TRUE);
  for (int id : kEnableRuledControls) {
    if (CWnd* control = GetDlgItem(id)) control->EnableWindow(dig4Enable != 0);
  }
}
