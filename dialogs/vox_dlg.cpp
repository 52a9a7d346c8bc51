#include "dialogs/vox_dlg.h"

#include "dialogs/field_checks.h"
#include "framework/ddx.h"
#include "resources/resource_ids.h"

using namespace tqr417::res;

// Each edit takes its accessible name from the label on its left.
CVoxDlg::CVoxDlg(CDialog* parent) : CDialog(IDD_VOX, parent) {}

void CVoxDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Check(pDX, IDC_VOX_HOLD_TONE, holdToneAlways);
  DDX_Text(pDX, IDC_VOX_CALL_TIMEOUT, callTimeoutMin);
  DDV_Field(pDX, callTimeoutMin, tqr417::Field("callTimeoutMin"));
  DDX_Check(pDX, IDC_VOX_PHONE, phoneInstalled);
  DDX_Text(pDX, IDC_VOX_LEVEL, voxLevel);
  DDV_Field(pDX, voxLevel, tqr417::Field("voxLevel"));
  DDX_Text(pDX, IDC_VOX_TIMEOUT, voxTimeoutSec);
  DDV_Field(pDX, voxTimeoutSec, tqr417::Field("voxTimeoutSec"));
}
