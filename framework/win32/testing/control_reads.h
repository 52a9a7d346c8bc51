#pragma once
// What a Win32 control shows, read with the control's own messages on the dialog window and
// the control id.

#include "framework/win_types.h"

namespace tqr417::fw::win32::testing {

// True when check box or radio button `controlId` of `dialog` is checked.
bool ButtonChecked(HWND dialog, int controlId);
// The list index combo box `controlId` has selected, -1 when none or no such control.
int ComboSelection(HWND dialog, int controlId);
// The thumb position of scroll bar control `controlId`, 0 when there is no such control.
int ScrollBarPos(HWND dialog, int controlId);

}  // namespace tqr417::fw::win32::testing
