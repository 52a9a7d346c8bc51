#pragma once
// CGainDlg: the four audio gains (template 131).

#include "dialogs/setting_row.h"
#include "framework/dialog.h"

class CGainDlg : public CDialog {
 public:
  explicit CGainDlg(CDialog* parent = nullptr);

  // Each member with the field it edits, in the order DoDataExchange reads them.
  static std::span<const tqr417::dialogs::SettingRow<CGainDlg>> Rows();

  // The dialog's copies of the configuration's gains.
  int ctcssGain = 0;
  int lineTxGain = 0;
  int radioTxGain = 0;
  int sidetoneGain = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
