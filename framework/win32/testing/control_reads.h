#pragma once
// What a Win32 control shows, read with the control's own messages on the dialog window and
// the control id. Windows are opaque here, as in native_driver.h, so that the dialog layer's
// callers need not include <windows.h>.

namespace tqr417::fw::win32::testing {

// Virtual keys of the arrows.
inline constexpr int kVkLeft = 0x25;
inline constexpr int kVkUp = 0x26;
inline constexpr int kVkRight = 0x27;
inline constexpr int kVkDown = 0x28;

// True when check box or radio button `controlId` of `dialog` is checked.
bool ButtonChecked(void* dialog, int controlId);
// The list index combo box `controlId` has selected, -1 when none or no such control.
int ComboSelection(void* dialog, int controlId);
// The thumb position of scroll bar control `controlId`, 0 when there is no such control.
int ScrollBarPos(void* dialog, int controlId);

}  // namespace tqr417::fw::win32::testing
