#pragma once
// CVoxDlg: VOX trigger level and time-out, call time-out and the telephone options
// (template 134).

#include "framework/dialog.h"

class CVoxDlg : public CDialog {
 public:
  explicit CVoxDlg(CDialog* parent = nullptr);

  BOOL holdToneAlways = 0;
  int callTimeoutMin = 0;  // 0 to 180 minutes
  BOOL phoneInstalled = 0;
  int voxLevel = 0;       // -40 to 10 dBm
  int voxTimeoutSec = 0;  // 0 to 600 seconds

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
