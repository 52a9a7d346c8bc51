#pragma once
// Shared by the Windows-side files: the wait cursor's state and the input it drops.

#include <windows.h>

#include "framework/dialog_template.h"

namespace tqr417::fw::win32 {

// True while a wait cursor drops the user's input (no modal window opened during it).
bool DropsInputNow();
void CountDroppedInput();
// True while the wait cursor is shown (not covered by a modal window's arrow).
bool WaitCursorShown();
// True (and counted) when `message` is input that a wait cursor drops now.
bool DropInput(const MSG& message);
// True when the template has a default push button.
bool DialogHasDefaultButton(const DialogTemplate& dialogTemplate);

}  // namespace tqr417::fw::win32
