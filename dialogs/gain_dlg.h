#pragma once
// CGainDlg: the four audio gains in dBm, each -40 to 10 (template 131).

#include "framework/dialog.h"

class CGainDlg : public CDialog {
 public:
  explicit CGainDlg(CDialog* parent = nullptr);

  // The dialog's copies of the configuration's gains.
  int ctcssGain = 0;
  int lineTxGain = 0;
  int radioTxGain = 0;
  int sidetoneGain = 0;

 protected:
  // Reads the edits from the bottom of the dialog up: CTCSS, line TX, radio TX, sidetone.
  void DoDataExchange(CDataExchange* pDX) override;
};
