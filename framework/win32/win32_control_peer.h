#pragma once
// Win32ControlPeer: one control of a Win32DialogPeer, found by its id in the dialog's window
// (GetDlgItem), as the system keeps it. Inert once the window is gone.

#include "framework/dialog_template.h"
#include "framework/toolkit.h"

namespace tqr417::fw {

class Win32DialogPeer;

class Win32ControlPeer : public ControlPeer {
 public:
  Win32ControlPeer(Win32DialogPeer& dialog, const ControlTemplate& control, CString name)
      : dialog_(&dialog), id_(control.id), kind_(control.kind), name_(std::move(name)) {}

  void Detach() { dialog_ = nullptr; }
  // The name given to the control, which it keeps over every window made for it.
  const CString& GivenName() const { return name_; }

  void Enable(bool enable) override;
  bool IsEnabled() const override;
  bool IsVisible() const override;
  void SetText(const CString& text) override;
  CString GetText() const override;
  void SetFocus() override;
  void SetAccessibleName(const CString& name) override;
  CString GetAccessibleName() const override;
  void SetCheck(bool checked) override;
  bool IsChecked() const override;
  void SelectAllText() override;
  void LimitText(int maxChars) override;
  int ItemCount() const override;
  CString ItemText(int index) const override;
  void SetCurSel(int index) override;
  void SetScrollRange(int minPos, int maxPos) override;
  void GetScrollRange(int& minPos, int& maxPos) const override;
  void SetScrollPos(int pos) override;
  int GetScrollPos() const override;

 private:
  // The control's window, nullptr when there is none.
  HWND Item() const;
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  Win32DialogPeer* dialog_;
  mutable HWND itemWindow_ = nullptr;  // the dialog's window when item_ was found
  mutable HWND item_ = nullptr;
  int id_;
  ControlKind kind_;
  CString name_;
};

}  // namespace tqr417::fw
