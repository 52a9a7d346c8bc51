#pragma once
// CDig4CorDlg: digital input 4 as a COR input, with the revert-to-F1 timer (template 136).
//
// Two rules, each reading the whole dialog first (messages included, result ignored):
// - the revert rule enables the seconds edit when "Revert to F1 on Timer" is set;
// - the enable rule enables the seconds edit, Active High, RX Mute, the Revert box, R1 and R2
//   when "Enable Dig4 as COR Input" is set.
// At opening the revert rule runs, then the enable rule; afterwards a click on either box runs
// its own rule, so the seconds edit follows whichever rule ran last.

#include "dialogs/setting_row.h"
#include "framework/dialog.h"

class CDig4CorDlg : public CDialog {
 public:
  explicit CDig4CorDlg(CDialog* parent = nullptr);

  // Each member with the field it edits, in the order DoDataExchange reads them.
  static std::span<const tqr417::dialogs::SettingRow<CDig4CorDlg>> Rows();

  BOOL dig4RevertF1 = 0;
  int dig4RevertSec = 0;
  BOOL dig4ActiveHigh = 0;
  BOOL dig4RxMute = 0;
  BOOL dig4Enable = 0;
  BOOL dig4R1 = 0;
  BOOL dig4R2 = 0;

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void ApplyRevertRule();
  void ApplyEnableRule();
};
