#pragma once
// The wait cursor and the user's input it drops, for the window's procedure and modal runs.

#include "framework/win_types.h"

namespace tqr417::fw {

// True (and counted) when a wait cursor drops the user's input now (not in a modal window
// opened during the wait): any input, or `message` when it is input.
bool DropNow();
bool DropInput(const MSG& message);
// True while the wait cursor is shown (not covered by a modal window's arrow).
bool WaitCursorShown();

}  // namespace tqr417::fw
