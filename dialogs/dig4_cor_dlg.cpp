#include "dialogs/dig4_cor_dlg.h"

#include "dialogs/field_checks.h"
#include "framework/ddx.h"
#include "resources/resource_ids.h"

using namespace tqr417::res;

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

void CDig4CorDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Check(pDX, IDC_DIG4_REVERT, dig4RevertF1);
  DDX_Text(pDX, IDC_DIG4_REVERT_SEC, dig4RevertSec);
  DDV_Field(pDX, dig4RevertSec, tqr417::Field("dig4RevertSec"));
  DDX_Check(pDX, IDC_DIG4_ACTIVE_HIGH, dig4ActiveHigh);
  DDX_Check(pDX, IDC_DIG4_RX_MUTE, dig4RxMute);
  DDX_Check(pDX, IDC_DIG4_ENABLE, dig4Enable);
  DDX_Check(pDX, IDC_DIG4_R1, dig4R1);
  DDX_Check(pDX, IDC_DIG4_R2, dig4R2);
}

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
