#pragma once
// What the controls of a dialog take from the keyboard and the clipboard beyond what the
// system's controls do by themselves: the dialog layer's input rule for edit fields and the
// edit fields of combo boxes (framework/field_input.h), and Enter in a window without a default
// button. Each is a function of one control's message, whatever hooks the control up.

#include "framework/dialog_template.h"
#include "framework/win_types.h"

namespace tqr417::fw {

// The edit field that takes the user's text in `control` of kind `kind`: the control itself
// for an edit field, its edit field for a combo box with one, else nullptr.
HWND FieldEditOf(HWND control, ControlKind kind);

// Puts `message`, bound for edit field `edit` (which takes upper case when `upperCase`),
// through the input rule. A typed character (WM_CHAR) that the rule refuses is dropped with a
// beep; one that it changes is changed in `wParam`. A paste (WM_PASTE, and Shift+Insert, which
// the edit control pastes without that message) inserts what the rule keeps of the first line
// of the clipboard's text, over the selection, and beeps when it keeps nothing. Returns true
// when the message has been dealt with and must not reach the control.
bool TakeFieldInput(HWND edit, UINT message, WPARAM& wParam, bool upperCase);

// True when the dialog window `dialog`, made from `dialogTemplate`, ignores key message
// `message`: Enter typed into one of its controls when it has no default button. Enter still
// reaches a combo box whose list is dropped down, which closes the list and takes its item.
bool IgnoresEnter(const DialogTemplate& dialogTemplate, HWND dialog, const MSG& message);
// True when the template has a default push button.
bool DialogHasDefaultButton(const DialogTemplate& dialogTemplate);

}  // namespace tqr417::fw
