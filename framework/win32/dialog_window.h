#pragma once
// DialogWindow: the Win32 window of one CDialog (framework/win32/native.h does the Windows
// part) as the dialog layer's DialogPeer, and its controls as ControlPeers.
//
// It passes what the window reports on to the dialog: notifications to SendNotify, scroll
// requests to OnVScroll, system menu commands to OnSysCommand (the items the window appended
// to its system menu stand-in are put into the real system menu before the window is shown),
// F1 to WinHelp.

#include <functional>
#include <memory>
#include <vector>

#include "framework/dialog_template.h"
#include "framework/toolkit.h"
#include "framework/win32/native.h"

class CDialog;

namespace tqr417::fw {

class Win32Control;

class DialogWindow : public DialogPeer, private win32::DialogEvents {
 public:
  // Makes no window yet: Create or RunBox makes it.
  DialogWindow(CDialog& owner, const DialogTemplate& dialogTemplate);
  ~DialogWindow() override;

  // Makes the window, hidden, over `ownerWindow`.
  void Create(win32::Window ownerWindow);
  // Runs the window as the system's modal dialog box over `ownerWindow`; `created` is called
  // once its controls exist and have their names, before it is shown.
  void RunBox(win32::Window ownerWindow, const std::function<void()>& created);

  win32::NativeDialog& Native() { return native_; }
  // Copies the items appended to the system menu stand-in into the real system menu.
  void SyncSystemMenu();

  std::shared_ptr<ControlPeer> Control(int index) const override;
  int FocusedIndex() const override { return native_.FocusedIndex(); }
  void FocusFirstControl() override { native_.FocusFirstControl(); }
  void SetTitle(const CString& caption) override { native_.SetTitle(caption); }
  CString GetTitle() const override { return native_.GetTitle(); }
  void SetIcon(HICON icon) override;
  ScreenPoint Corner() const override;
  void End(int result) override;
  void Show() override;
  void Hide() override { native_.Hide(); }
  bool IsVisible() const override { return native_.IsVisible(); }
  void Activate() override { native_.Activate(); }

 private:
  void Command(int controlId, unsigned code) override;
  void VScroll(int controlId, unsigned code, int pos) override;
  bool SysCommand(unsigned command, std::intptr_t param) override;
  void Help() override;
  // Gives the new window's controls their accessible names.
  void NameControls();

  CDialog& owner_;
  const DialogTemplate& template_;
  win32::NativeDialog native_;
  std::vector<std::shared_ptr<Win32Control>> controls_;
  std::size_t syncedMenuItems_ = 1;  // the stand-in's Close is in the real menu already
};

// The Win32 window of a dialog, nullptr while it has none. For the backend, tools and tests.
win32::Window WindowHandle(const CDialog& dialog);

}  // namespace tqr417::fw
