#include "dialogs/gain_dlg.h"

#include "framework/ddx.h"
#include "resources/resource_ids.h"

using namespace tqr417::res;

namespace {
constexpr int kMinGain = -40;
constexpr int kMaxGain = 10;
}  // namespace

// Each edit takes its accessible name from the label on its left.
CGainDlg::CGainDlg(CDialog* parent) : CDialog(IDD_GAIN, parent) {}

void CGainDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_GAIN_CTCSS, ctcssGain);
  DDV_MinMaxInt(pDX, ctcssGain, kMinGain, kMaxGain);
  DDX_Text(pDX, IDC_GAIN_LINE_TX, lineTxGain);
  DDV_MinMaxInt(pDX, lineTxGain, kMinGain, kMaxGain);
  DDX_Text(pDX, IDC_GAIN_RADIO_TX, radioTxGain);
  DDV_MinMaxInt(pDX, radioTxGain, kMinGain, kMaxGain);
  DDX_Text(pDX, IDC_GAIN_SIDETONE, sidetoneGain);
  DDV_MinMaxInt(pDX, sidetoneGain, kMinGain, kMaxGain);
}
