#include "dialogs/vox_dlg.h"

#include "resources/resource_ids.h"

using namespace tqr417::res;
using tqr417::dialogs::Row;

// Each edit takes its accessible name from the label on its left.
CVoxDlg::CVoxDlg(CDialog* parent) : CDialog(IDD_VOX, parent) {}

constexpr tqr417::dialogs::SettingRow<CVoxDlg> kRows[] = {
    Row(&CVoxDlg::holdToneAlways, "holdToneAlways"),
    Row(&CVoxDlg::callTimeoutMin, "callTimeoutMin"),
    Row(&CVoxDlg::phoneInstalled, "phoneInstalled"),
    Row(&CVoxDlg::voxLevel, "voxLevel"),
    Row(&CVoxDlg::voxTimeoutSec, "voxTimeoutSec"),
};

std::span<const tqr417::dialogs::SettingRow<CVoxDlg>> CVoxDlg::Rows() { return kRows; }

void CVoxDlg::DoDataExchange(CDataExchange* pDX) { tqr417::dialogs::ExchangeRows(pDX, *this); }
