#pragma once
// The wait cursor and the user's input it drops, as the rest of the backend needs them (the
// toolkit's BeginWait, the cursors and KeepPainting are defined in input_block.cpp).

#include "framework/win_types.h"

namespace tqr417::fw {

// True while a wait cursor drops the user's input (no modal window opened during it).
bool DropsInputNow();
void CountDroppedInput();
// True while the wait cursor is shown (not covered by a modal window's arrow).
bool WaitCursorShown();
// True (and counted) when `message` is input that a wait cursor drops now.
bool DropInput(const MSG& message);

}  // namespace tqr417::fw
