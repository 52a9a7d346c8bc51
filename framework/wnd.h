#pragma once
// CWnd: a handle to one control of a dialog (or to the dialog window itself).
//
// Handles come from CDialog::GetDlgItem and live as long as the dialog's window; after the
// window is gone every call does nothing and the queries return FALSE or the empty text.

#include <QPointer>
#include <QWidget>

#include "framework/c_string.h"
#include "framework/win_types.h"

class CWnd {
 public:
  CWnd(QWidget* widget, int controlId);

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

  // The widget behind the handle; nullptr once the window is gone. For the framework and tests.
  QWidget* Widget() const { return widget_.data(); }

 private:
  QPointer<QWidget> widget_;
  int id_;
};
