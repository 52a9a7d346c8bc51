#pragma once
// CAboutDlg: the About box (template 100): the application icon, name and version, and OK.

#include "framework/dialog.h"

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(CDialog* parent = nullptr);
};
