#pragma once
// CMorseDlg: the Morse code identification (template 132): when it is sent, the timer
// interval, the tone's frequency and gain, and the text.
//
// The interval edit can be edited only while "Timer Interval" is selected. The rule runs as
// the last step of every exchange that got that far, and after each click on either radio
// button (which first reads the whole dialog, messages included).

#include "dialogs/setting_row.h"
#include "framework/dialog.h"

class CMorseDlg : public CDialog {
 public:
  explicit CMorseDlg(CDialog* parent = nullptr);

  // Each member with the field it edits, in the order DoDataExchange reads them.
  static std::span<const tqr417::dialogs::SettingRow<CMorseDlg>> Rows();

  int morseAutoMode = -1;  // 0 "End of Each PTT", 1 "Timer Interval", -1 none
  UINT morseFreq = 0;
  CString morseText;
  UINT morseIntervalMin = 0;
  int morseGain = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnAutoModeClicked();
  // Disables the interval edit for option 0, enables it for 1, leaves it alone otherwise.
  void ApplyIntervalRule();
};
