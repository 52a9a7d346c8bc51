#pragma once
// CWnd: a handle to one control of a dialog.
//
// Handles come from CDialog::GetDlgItem and live as long as the dialog's window; after the
// window is gone every call does nothing and the queries return FALSE, 0 or the empty text.

#include <memory>

#include "framework/c_string.h"
#include "framework/win_types.h"

namespace tqr417::fw {
class ControlPeer;
}

class CWnd {
 public:
  CWnd(std::shared_ptr<tqr417::fw::ControlPeer> peer, int controlId);

  int GetDlgCtrlID() const { return id_; }

  // Enables or disables the control; returns TRUE if it was disabled before. A disabled
  // control takes no input but still takes part in every exchange.
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsWindowVisible() const;

  // Text of the control: caption of a button or label, text of an edit, edit text of a
  // combo box with an edit field, selected item of a drop-down list.
  void SetWindowText(const CString& text);
  void GetWindowText(CString& text) const;
  CString GetWindowText() const;

  // Gives the control the keyboard focus.
  void SetFocus();

  // The name assistive technology reads for this control.
  void SetAccessibleName(const CString& name);
  CString GetAccessibleName() const;

  // Check boxes and radio buttons: 1 when set, else 0.
  int GetCheck() const;
  void SetCheck(int check);

  // Edit fields (and a combo box's edit field): selects the whole text; limits typing to
  // `maxChars` characters.
  void SelectAllText();
  void LimitText(int maxChars);

  // Combo boxes: number of items, the text of item `index`, and the selection (-1: none).
  int GetCount() const;
  CString GetLBText(int index) const;
  void SetCurSel(int index);

  // The toolkit's control behind the handle. For the framework, its backend and tests.
  tqr417::fw::ControlPeer* Peer() const { return peer_.get(); }
  const std::shared_ptr<tqr417::fw::ControlPeer>& SharedPeer() const { return peer_; }

 private:
  std::shared_ptr<tqr417::fw::ControlPeer> peer_;
  int id_;
};
