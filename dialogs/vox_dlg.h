#pragma once
// CVoxDlg: VOX trigger level and time-out, call time-out and the telephone options
// (template 134).

#include "dialogs/setting_row.h"
#include "framework/dialog.h"

class CVoxDlg : public CDialog {
 public:
  explicit CVoxDlg(CDialog* parent = nullptr);

  // Each member with the field it edits, in the order DoDataExchange reads them.
  static std::span<const tqr417::dialogs::SettingRow<CVoxDlg>> Rows();

  BOOL holdToneAlways = 0;
  int callTimeoutMin = 0;
  BOOL phoneInstalled = 0;
  int voxLevel = 0;
  int voxTimeoutSec = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
