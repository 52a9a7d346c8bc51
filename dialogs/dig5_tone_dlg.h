#pragma once
// CDig5ToneDlg: the tone function of digital input 5 (template 135).
//
// While "Enable Tone on Dig5 Input" is clear, the seven other controls (Active High, the four
// tone edits, R1, R2) are disabled. The rule reads the whole dialog first (messages included,
// result ignored) and runs when the dialog opens and on each click of the Enable box.
// Disabled fields are still read and range-checked on OK.

#include "dialogs/setting_row.h"
#include "framework/dialog.h"

class CDig5ToneDlg : public CDialog {
 public:
  explicit CDig5ToneDlg(CDialog* parent = nullptr);

  // Each member with the field it edits, in the order DoDataExchange reads them.
  static std::span<const tqr417::dialogs::SettingRow<CDig5ToneDlg>> Rows();

  BOOL dig5ActiveHigh = 0;
  BOOL dig5Enable = 0;
  int dig5ToneFreq = 0;
  int dig5ToneLevel = 0;
  int dig5OffMs = 0;
  int dig5OnMs = 0;
  BOOL dig5R1 = 0;
  BOOL dig5R2 = 0;

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void ApplyEnableRule();
};
