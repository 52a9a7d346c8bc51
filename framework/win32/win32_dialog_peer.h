#pragma once
// Win32DialogPeer: the window of one CDialog, a dialog window that the system makes from the
// template (template_builder.h), and Win32ControlPeer, one of its controls, reached through
// the window and the control's id as the system keeps them (GetDlgItem).
//
// The window reports to its dialog: notifications to SendNotify, scroll requests to its
// VScroll, system menu commands to OnSysCommand (the items appended to the system menu
// stand-in are put into the real system menu before the window is shown), F1 to WinHelp.

#include <functional>
#include <memory>
#include <vector>

#include "framework/dialog_template.h"
#include "framework/toolkit.h"

class CDialog;

namespace tqr417::fw {

class Win32ControlPeer;

class Win32DialogPeer : public DialogPeer {
 public:
  // Makes no window yet: Create or RunBox makes it.
  Win32DialogPeer(CDialog& dialog, const DialogTemplate& dialogTemplate);
  ~Win32DialogPeer() override;
  Win32DialogPeer(const Win32DialogPeer&) = delete;
  Win32DialogPeer& operator=(const Win32DialogPeer&) = delete;

  // Makes the window over `owner` (nullptr: none), hidden, without running it; RunLoop runs
  // it later.
  void Create(HWND owner);
  // Makes the window over `owner` and runs it as the system's modal dialog box until End
  // (win32_modal_runner.cpp): `created` is called once the controls exist, before the window
  // is shown; the controls get their accessible names when it has returned. The system then
  // centres and shows the window, disables `owner` while it runs and destroys the window when
  // it ends.
  void RunBox(HWND owner, const std::function<void()>& created);
  // Runs the window made by Create modally over its owner, with a message loop of its own,
  // until End is called (win32_modal_runner.cpp).
  void RunLoop();

  HWND Handle() const { return window_; }
  const DialogTemplate& Template() const { return template_; }
  // Copies the items appended to the system menu stand-in into the real system menu.
  void SyncSystemMenu();
  // Gives `control` the focus (when the window is hidden: once it is shown).
  void Focus(HWND control);
  // Runs `change`, a change the program makes to a control, without telling the dialog of
  // the notifications it causes.
  void Quietly(const std::function<void()>& change);
  // Hands the system `control`'s accessible name, unless the controls are being named later.
  void NameControl(HWND control, const CString& name);

  std::shared_ptr<ControlPeer> Control(int index) const override;
  int FocusedIndex() const override;
  void FocusFirstControl() override;
  void SetTitle(const CString& caption) override;
  CString GetTitle() const override;
  void SetIcon(IconId icon) override;
  ScreenPoint Corner() const override;
  void End(int result) override;
  void Show() override;
  void Hide() override;
  bool IsVisible() const override;
  void Activate() override;

  // The dialog procedure's work (dialog_procedure.cpp).
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Initialise(HWND window);
  void NameControls();
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
  std::vector<HICON> icons_;
  IconId iconId_ = 0;                // the icon the window shows
  std::function<void()> created_;    // for a dialog box: called on WM_INITDIALOG
  std::size_t syncedMenuItems_ = 1;  // the stand-in's Close is in the real menu already
  int quiet_ = 0;                    // > 0 while the program changes a control
  bool box_ = false;                 // run by the system's dialog box
  bool ended_ = false;
  bool dying_ = false;
  bool holdingNames_ = false;  // while `created_` runs
};

// The window of a dialog, nullptr while it has none. For the backend, tools and tests.
HWND WindowHandle(const CDialog& dialog);

}  // namespace tqr417::fw
