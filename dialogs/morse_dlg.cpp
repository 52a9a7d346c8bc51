#include "dialogs/morse_dlg.h"

#include "framework/data_exchange.h"
#include "resources/resource_ids.h"

using namespace tqr417::res;
using tqr417::dialogs::Row;

CMorseDlg::CMorseDlg(CDialog* parent) : CDialog(IDD_MORSE, parent) {
  AddHandler(IDC_MORSE_END_OF_PTT, BN_CLICKED, [this] { OnAutoModeClicked(); });
  AddHandler(IDC_MORSE_TIMER, BN_CLICKED, [this] { OnAutoModeClicked(); });
  // The interval edit has only its unit beside it; the other edits are named by their labels.
  SetAccessibleName(IDC_MORSE_INTERVAL, "Timer Interval (min)");
}

constexpr tqr417::dialogs::SettingRow<CMorseDlg> kRows[] = {
    Row(&CMorseDlg::morseAutoMode, "morseAutoMode"),
    Row(&CMorseDlg::morseFreq, "morseFreq"),
    Row(&CMorseDlg::morseText, "morseText"),
    Row(&CMorseDlg::morseIntervalMin, "morseIntervalMin"),
    Row(&CMorseDlg::morseGain, "morseGain"),
};

std::span<const tqr417::dialogs::SettingRow<CMorseDlg>> CMorseDlg::Rows() { return kRows; }

void CMorseDlg::DoDataExchange(CDataExchange* pDX) {
  tqr417::dialogs::ExchangeRows(pDX, *this);
  if (pDX->Active()) ApplyIntervalRule();
}

void CMorseDlg::OnAutoModeClicked() {
  // The option is the first binding, so it holds the clicked button even when a later
  // field fails its check; that failure's message is all the user sees of it here.
  UpdateData(TRUE);
  ApplyIntervalRule();
}

void CMorseDlg::ApplyIntervalRule() {
  CWnd* interval = GetDlgItem(IDC_MORSE_INTERVAL);
  if (interval == nullptr) return;
  if (morseAutoMode == 0) {
    interval->EnableWindow(FALSE);
  } else if (morseAutoMode == 1) {
    interval->EnableWindow(TRUE);
  }
}
