#pragma once
// CPortDlg: the serial port the transfers open (template 103). There is no Cancel button;
// Esc and the close box still end the dialog without reading it.

#include "framework/dialog.h"

class CPortDlg : public CDialog {
 public:
  explicit CPortDlg(CDialog* parent = nullptr);

  // Index of the selected button: 0 "Com 1", 1 "Com 2", -1 none.
  int comPort = -1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
