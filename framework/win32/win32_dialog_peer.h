#pragma once
// Win32DialogPeer: the window of one CDialog, a dialog window that the system makes from the
// template's dialog part and its dialog procedure fills with the template's controls
// (template_builder.h), and Win32ControlPeer, one of its controls, handed its control's window
// when the procedure makes it. The window reports notifications, scroll requests, system menu
// commands and F1 to its dialog (dialog_procedure.cpp).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/dialog_template.h"
#include "framework/menu.h"
#include "framework/toolkit.h"

class CDialog;

namespace tqr417::fw {

class Win32DialogPeer;

// One control, inert once the window is gone.
class Win32ControlPeer : public ControlPeer {
 public:
  Win32ControlPeer(Win32DialogPeer& dialog, const ControlTemplate& control, CString name)
      : dialog_(&dialog), kind_(control.kind), name_(std::move(name)) {}

  void Attach(HWND control) { item_ = control; }  // nullptr: the control's window is gone
  void Detach() {
    dialog_ = nullptr;
    item_ = nullptr;
  }
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
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  Win32DialogPeer* dialog_;
  HWND item_ = nullptr;  // nullptr while the control has no window
  ControlKind kind_;
  CString name_;
};

class Win32DialogPeer : public DialogPeer {
 public:
  Win32DialogPeer(CDialog& dialog, const DialogTemplate& dialogTemplate);
  ~Win32DialogPeer() override;
  Win32DialogPeer(const Win32DialogPeer&) = delete;
  Win32DialogPeer& operator=(const Win32DialogPeer&) = delete;

  // Makes the window over `owner` (nullptr: none), hidden.
  void Create(HWND owner);
  // Runs the window as the system's modal dialog box over `owner` until End: `created` is
  // called once the controls exist and are named, before the system shows the window.
  void RunBox(HWND owner, const std::function<void()>& created);

  HWND Handle() const { return window_; }
  const DialogTemplate& Template() const { return template_; }
  void SyncSystemMenu();  // the items appended to the stand-in since, into the real one
  // Gives `control` the focus (when the window is hidden: once it is shown).
  void Focus(HWND control);

  std::shared_ptr<ControlPeer> Control(int index) const override;
  int FocusedIndex() const override;
  void SetTitle(const CString& caption) override;
  CString GetTitle() const override;
  void SetIcon(IconId icon) override;
  void End(int result) override;
  void Show() override;
  void Hide() override;
  bool IsVisible() const override;
  void Activate() override;

  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Initialise(HWND window);
  void CentreOverOwner();
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Command(int controlId, UINT code, HWND from);
  void VScroll(UINT code, int pos, HWND bar);
  bool SysCommand(UINT command, LPARAM param);

  CDialog& dialog_;
  const DialogTemplate& template_;
  std::vector<std::shared_ptr<Win32ControlPeer>> controls_;  // in template order
  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  HWND pendingFocus_ = nullptr;
  std::function<void()> created_;    // for a dialog box: called on WM_INITDIALOG
  std::size_t syncedMenuItems_ = 1;  // the stand-in's Close is in the real menu already
  bool box_ = false;                 // run by the system's dialog box
  bool ended_ = false;
  bool dying_ = false;
};

// The window of a dialog, nullptr while it has none.
HWND WindowHandle(const CDialog& dialog);
// The window a new window of a dialog is made over: `owner`'s window, else the active one.
HWND OwnerWindow(CDialog* owner);
// The text of a window (caption, edit text).
std::wstring WindowTextOf(HWND window);
// Appends `items` from the `from`th on to the system's `menu`.
void AppendMenuItems(HMENU menu, const std::vector<CMenu::Item>& items, std::size_t from = 0);
// True (and counted) when `message` is the user's input and a wait cursor drops it now
// (framework/wait_rule.h), for the dialog procedure, modal runs and the message pump.
bool DropInput(const MSG& message);

}  // namespace tqr417::fw
