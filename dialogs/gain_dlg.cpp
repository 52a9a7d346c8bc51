#include "dialogs/gain_dlg.h"

#include "resources/resource_ids.h"

using namespace tqr417::res;
using tqr417::dialogs::Row;

// Each edit takes its accessible name from the label on its left.
CGainDlg::CGainDlg(CDialog* parent) : CDialog(IDD_GAIN, parent) {}

// From the bottom of the dialog up.
constexpr tqr417::dialogs::SettingRow<CGainDlg> kRows[] = {
    Row(&CGainDlg::ctcssGain, "ctcssGain"),
    Row(&CGainDlg::lineTxGain, "lineTxGain"),
    Row(&CGainDlg::radioTxGain, "radioTxGain"),
    Row(&CGainDlg::sidetoneGain, "sidetoneGain"),
};

std::span<const tqr417::dialogs::SettingRow<CGainDlg>> CGainDlg::Rows() { return kRows; }

void CGainDlg::DoDataExchange(CDataExchange* pDX) { tqr417::dialogs::ExchangeRows(pDX, *this); }
