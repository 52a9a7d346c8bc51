#pragma once
// CTxAudioDlg: the transmit audio switches (template 133). Check boxes only, so OK always
// closes it.

#include "dialogs/setting_row.h"
#include "framework/dialog.h"

class CTxAudioDlg : public CDialog {
 public:
  explicit CTxAudioDlg(CDialog* parent = nullptr);

  // Each member with the field it edits, in the order DoDataExchange reads them.
  static std::span<const tqr417::dialogs::SettingRow<CTxAudioDlg>> Rows();

  // The dialog's copies of the configuration's switches, 0 or 1.
  BOOL txAddCtcss = 0;
  BOOL txAgc = 0;
  BOOL txLowPass = 0;
  BOOL txPreEmphasis = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
