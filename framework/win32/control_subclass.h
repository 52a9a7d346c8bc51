#pragma once
// What the backend adds to the system's controls: its own subclassing (control_subclass.cpp),
// the dialog layer's input rule for edit fields and Enter in a window without a default button
// (field_input_keys.cpp), the accessible names (accessible_names.cpp).
//
// Not comctl32's SetWindowSubclass: that finds its data through a window property at every
// message to the control, and under Wine each GetPropW is a round trip to the wineserver
// (about half the processor time of the main window's start went there).

#include <string>

#include "framework/c_string.h"
#include "framework/dialog_template.h"
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

// The hook of `control`, subclassing it at the first call (nullptr when it cannot be); it
// lasts until the control's WM_NCDESTROY, which gives the control its procedure back.
ControlHook* HookControl(HWND control);
ControlHook* FindHook(HWND control);  // nullptr when `control` has none

// The edit field that takes the user's text in `control` of kind `kind` (itself, a combo
// box's edit field), else nullptr.
HWND FieldEditOf(HWND control, ControlKind kind);
// Puts `message` for edit field `edit` through the input rule: a refused WM_CHAR is dropped
// with a beep, a changed one changed in `wParam`; a paste (WM_PASTE, Shift+Insert) inserts
// what the rule keeps of the clipboard's text. True when the control must not see it.
bool TakeFieldInput(HWND edit, UINT message, WPARAM& wParam, bool upperCase);
// True when `dialog`, made from `dialogTemplate`, ignores key message `message`: Enter in one
// of its controls when it has no default button, unless it closes a combo box's list.
bool IgnoresEnter(const DialogTemplate& dialogTemplate, HWND dialog, const MSG& message);

// Gives `control` the accessible name `name` (empty: the one the system derives from its
// text): its hook answers WM_GETOBJECT with it.
void SetAccessibleName(HWND control, const CString& name);
// The accessible name of `control` (get_accName of its client object), empty when none.
CString AccessibleNameOf(HWND control);
// Answers WM_GETOBJECT for the client object with the system's own object renamed `name`;
// false when it could not (the message then goes on).
bool AnswerWithOwnName(HWND control, const std::wstring& name, WPARAM wParam, LPARAM lParam,
                       LRESULT& result);

}  // namespace tqr417::fw
