#include "dialogs/tx_audio_dlg.h"

#include "resources/resource_ids.h"

using namespace tqr417::res;
using tqr417::dialogs::Row;

CTxAudioDlg::CTxAudioDlg(CDialog* parent) : CDialog(IDD_TX_AUDIO, parent) {}

constexpr tqr417::dialogs::SettingRow<CTxAudioDlg> kRows[] = {
    Row(&CTxAudioDlg::txAddCtcss, "txAddCtcss"),
    Row(&CTxAudioDlg::txAgc, "txAgc"),
    Row(&CTxAudioDlg::txLowPass, "txLowPass"),
    Row(&CTxAudioDlg::txPreEmphasis, "txPreEmphasis"),
};

std::span<const tqr417::dialogs::SettingRow<CTxAudioDlg>> CTxAudioDlg::Rows() { return kRows; }

void CTxAudioDlg::DoDataExchange(CDataExchange* pDX) { tqr417::dialogs::ExchangeRows(pDX, *this); }
