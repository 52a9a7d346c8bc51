#pragma once
// The backend's own subclassing of controls: one window procedure for every control that
// does more than its class, which finds the control's class procedure and behaviours in a
// table of the program's own and hands each message to the behaviours the control has.
//
// Not comctl32's SetWindowSubclass: that finds its data through a window property at every
// message to the control, and under Wine each GetPropW is a round trip to the wineserver
// (about half the processor time of the main window's start went there).

#include <string>

#include "framework/win_types.h"

namespace tqr417::fw {

// What a subclassed control does besides its class's own handling. An edit field types, a
// button presses: no control does both.
struct ControlHook {
  WNDPROC previous = nullptr;  // the procedure the control had before
  bool typing = false;         // an edit field (or a combo box's) with the input rule
  bool upperCase = false;      //   that turns typed a to z into A to Z
  bool press = false;          // a button that a modal window opened by its press releases
  std::wstring name;           // not empty: AnswerWithOwnName answers WM_GETOBJECT with it
};

// The hook of `control`, subclassing it at the first call; nullptr when it cannot be
// subclassed. The hook lives until the control's WM_NCDESTROY, which also gives the control
// its previous procedure back.
ControlHook* HookControl(HWND control);
// The hook of `control`, nullptr when it has none.
ControlHook* FindHook(HWND control);

// Answers WM_GETOBJECT for the client object with the system's own object renamed `name`;
// false when it could not (the message then goes on).
bool AnswerWithOwnName(HWND control, const std::wstring& name, WPARAM wParam, LPARAM lParam,
                       LRESULT& result);  // accessible_names.cpp

}  // namespace tqr417::fw
