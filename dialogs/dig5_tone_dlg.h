#pragma once
// CDig5ToneDlg: the tone function of digital input 5 (template 135).
//
// While "Enable Tone on Dig5 Input" is clear, the seven other controls (Active High, the four
// tone edits, R1, R2) are disabled. The rule reads the whole dialog first (messages included,
// result ignored) and runs when the dialog opens and on each click of the Enable box.
// Disabled fields are still read and range-checked on OK.

#include "framework/dialog.h"

class CDig5ToneDlg : public CDialog {
 public:
  explicit CDig5ToneDlg(CDialog* parent = nullptr);

  BOOL dig5ActiveHigh = 0;
  BOOL dig5Enable = 0;
  int dig5ToneFreq = 0;   // Hz, 300 to 3000
  int dig5ToneLevel = 0;  // dBm, -40 to 10
  int dig5OffMs = 0;      // 0 to 65000
  int dig5OnMs = 0;       // 0 to 65000
  BOOL dig5R1 = 0;
  BOOL dig5R2 = 0;

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void ApplyEnableRule();
};
