#pragma once
// The wait cursor's rule (framework/wait_cursor.h), the same for every toolkit.
//
// While a wait cursor lives the user's input is dropped and the wait cursor is shown, except
// inside a modal window opened during the innermost wait: there the technician answers, under
// the arrow. Waits nest. A backend only says what counts as the user's input on its toolkit
// (and asks DropNow() about it) and how to show the cursor (toolkit::ShowWaitCursor).

namespace tqr417::fw {

// True while the wait cursor is shown: a wait cursor lives and no modal run opened during the
// innermost one is open. The user's input is dropped exactly then.
bool WaitCursorShown();
// WaitCursorShown(), counting one dropped input event when true: a backend asks it about each
// event that is the user's input and drops the event when it answers true.
bool DropNow();
// Input events dropped so far.
int DroppedInputEvents();

// For CWaitCursor: a wait begins at the modal depth of now (ModalScope::Depth()), and ends.
void BeginWait();
void EndWait();
// For ModalScope: a modal run began or ended (the depth has changed), so the cursor may too.
void ModalDepthChanged();

}  // namespace tqr417::fw
