#pragma once
// CTxAudioDlg: the transmit audio switches (template 133). Check boxes only, so OK always
// closes it.

#include "framework/dialog.h"

class CTxAudioDlg : public CDialog {
 public:
  explicit CTxAudioDlg(CDialog* parent = nullptr);

  // The dialog's copies of the configuration's switches, 0 or 1.
  BOOL txAddCtcss = 0;
  BOOL txAgc = 0;
  BOOL txLowPass = 0;
  BOOL txPreEmphasis = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
