#pragma once
// The backend's own subclassing of controls: one window procedure for every control that
// does more than its class, which finds the control's class procedure and behaviours in a
// table of the program's own and hands each message to the behaviours the control has.
//
// Not comctl32's SetWindowSubclass: that finds its data through a window property at every
// message to the control, and under Wine each GetPropW is a round trip to the wineserver
// (about half the processor time of the main window's start went there).

#include <windows.h>

#include <string>

namespace tqr417::fw::win32 {

// What a subclassed control does besides its class's own handling. An edit field types, a
// button presses: no control does both.
struct ControlHook {
  WNDPROC previous = nullptr;  // the procedure the control had before
  bool typing = false;         // EditTyping: an edit field (or a combo box's)
  bool upperCase = false;      //   that turns typed a to z into A to Z
  bool press = false;          // ButtonPress: a button
  std::wstring name;           // not empty: AnswerWithOwnName answers WM_GETOBJECT with it
};

// The hook of `control`, subclassing it at the first call; nullptr when it cannot be
// subclassed. The hook lives until the control's WM_NCDESTROY, which also gives the control
// its previous procedure back.
ControlHook* HookControl(HWND control);
// The hook of `control`, nullptr when it has none.
ControlHook* FindHook(HWND control);

// The behaviours, each a function of its own that gets every message of a control that has
// it and passes what it does not take to `previous` (CallWindowProcW).
LRESULT EditTyping(WNDPROC previous, bool upperCase, HWND edit, UINT message, WPARAM wParam,
                   LPARAM lParam);  // native_dialog.cpp
LRESULT ButtonPress(WNDPROC previous, HWND button, UINT message, WPARAM wParam,
                    LPARAM lParam);  // native_dialog.cpp
// Answers WM_GETOBJECT for the client object with the system's own object renamed `name`;
// false when it could not (the message then goes on).
bool AnswerWithOwnName(HWND control, const std::wstring& name, WPARAM wParam, LPARAM lParam,
                       LRESULT& result);  // native_accessibility.cpp

}  // namespace tqr417::fw::win32
