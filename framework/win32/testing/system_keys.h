#pragma once
// What the system adds to a key pressed on the keyboard, which a key message sent by the test
// driver does not carry by itself.

namespace tqr417::fw::win32::testing {

// After virtual key `key` was pressed: F1 asks the window with the focus for help (WM_KEYF1,
// which the default window procedure turns into WM_HELP for the window and its parents).
void AfterKeyPress(int key);

}  // namespace tqr417::fw::win32::testing
