#include "dialogs/dig5_tone_dlg.h"

#include "dialogs/field_checks.h"
#include "framework/ddx.h"
#include "resources/resource_ids.h"

using namespace tqr417::res;

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

void CDig5ToneDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Check(pDX, IDC_DIG5_ACTIVE_HIGH, dig5ActiveHigh);
  DDX_Check(pDX, IDC_DIG5_ENABLE, dig5Enable);
  DDX_Text(pDX, IDC_DIG5_FREQ, dig5ToneFreq);
  DDV_Field(pDX, dig5ToneFreq, tqr417::Field("dig5ToneFreq"));
  DDX_Text(pDX, IDC_DIG5_LEVEL, dig5ToneLevel);
  DDV_Field(pDX, dig5ToneLevel, tqr417::Field("dig5ToneLevel"));
  DDX_Text(pDX, IDC_DIG5_OFF_MS, dig5OffMs);
  DDV_Field(pDX, dig5OffMs, tqr417::Field("dig5OffMs"));
  DDX_Text(pDX, IDC_DIG5_ON_MS, dig5OnMs);
  DDV_Field(pDX, dig5OnMs, tqr417::Field("dig5OnMs"));
  DDX_Check(pDX, IDC_DIG5_R1, dig5R1);
  DDX_Check(pDX, IDC_DIG5_R2, dig5R2);
}

void CDig5ToneDlg::ApplyEnableRule() {
  // The Enable box is read second, before any field that can fail, so the member follows
  // the box even when a stored or typed value is out of range.
  UpdateData(TRUE);
  for (int id : kRuledControls) {
    if (CWnd* control = GetDlgItem(id)) control->EnableWindow(dig5Enable != 0);
  }
}
