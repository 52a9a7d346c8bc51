#include "dialogs/tx_audio_dlg.h"

#include "framework/ddx.h"
#include "resources/resource_ids.h"

using namespace tqr417::res;

CTxAudioDlg::CTxAudioDlg(CDialog* parent) : CDialog(IDD_TX_AUDIO, parent) {}

void CTxAudioDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Check(pDX, IDC_TX_ADD_CTCSS, txAddCtcss);
  DDX_Check(pDX, IDC_TX_AGC, txAgc);
  DDX_Check(pDX, IDC_TX_LOW_PASS, txLowPass);
  DDX_Check(pDX, IDC_TX_PRE_EMPHASIS, txPreEmphasis);
}
