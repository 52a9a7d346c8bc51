#include "dialogs/morse_dlg.h"

#include "config/field_catalogue.h"
#include "dialogs/field_checks.h"
#include "framework/data_exchange.h"
#include "framework/ddx.h"
#include "resources/resource_ids.h"

using namespace tqr417::res;

CMorseDlg::CMorseDlg(CDialog* parent) : CDialog(IDD_MORSE, parent) {
  AddHandler(IDC_MORSE_END_OF_PTT, BN_CLICKED, [this] { OnAutoModeClicked(); });
  AddHandler(IDC_MORSE_TIMER, BN_CLICKED, [this] { OnAutoModeClicked(); });
  // The interval edit has only its unit beside it; the other edits are named by their labels.
  SetAccessibleName(IDC_MORSE_INTERVAL, "Timer Interval (min)");
}

void CMorseDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Radio(pDX, IDC_MORSE_END_OF_PTT, morseAutoMode);
  DDX_Text(pDX, IDC_MORSE_FREQ, morseFreq);
  DDV_Field(pDX, morseFreq, tqr417::Field("morseFreq"));
  DDX_Text(pDX, IDC_MORSE_TEXT, morseText);
  DDV_Field(pDX, morseText, tqr417::Field("morseText"));
  DDX_Text(pDX, IDC_MORSE_INTERVAL, morseIntervalMin);
  DDV_Field(pDX, morseIntervalMin, tqr417::Field("morseIntervalMin"));
  DDX_Text(pDX, IDC_MORSE_GAIN, morseGain);
  DDV_Field(pDX, morseGain, tqr417::Field("morseGain"));
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
