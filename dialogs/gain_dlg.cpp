#include "dialogs/gain_dlg.h"

#include "dialogs/field_checks.h"
#include "framework/ddx.h"
#include "resources/resource_ids.h"

using namespace tqr417::res;

// Each edit takes its accessible name from the label on its left.
CGainDlg::CGainDlg(CDialog* parent) : CDialog(IDD_GAIN, parent) {}

void CGainDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_GAIN_CTCSS, ctcssGain);
  DDV_Field(pDX, ctcssGain, tqr417::Field("ctcssGain"));
  DDX_Text(pDX, IDC_GAIN_LINE_TX, lineTxGain);
  DDV_Field(pDX, lineTxGain, tqr417::Field("lineTxGain"));
  DDX_Text(pDX, IDC_GAIN_RADIO_TX, radioTxGain);
  DDV_Field(pDX, radioTxGain, tqr417::Field("radioTxGain"));
  DDX_Text(pDX, IDC_GAIN_SIDETONE, sidetoneGain);
  DDV_Field(pDX, sidetoneGain, tqr417::Field("sidetoneGain"));
}
