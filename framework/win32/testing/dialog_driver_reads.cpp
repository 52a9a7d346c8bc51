// The Win32 driver's reads of what a control shows, and the keys tests on every toolkit name.

#include "framework/dialog.h"
#include "framework/testing/dialog_driver.h"
#include "framework/win32/dialog_window.h"
#include "framework/win32/testing/control_reads.h"
#include "framework/win32/testing/native_driver.h"

namespace tqr417::fw {

namespace native = win32::testing;

const int keys::kUp = native::kVkUp;
const int keys::kDown = native::kVkDown;
const int keys::kLeft = native::kVkLeft;
const int keys::kRight = native::kVkRight;

bool DialogDriver::Checked(int controlId) {
  return native::ButtonChecked(WindowHandle(dialog_), controlId);
}

int DialogDriver::Selection(int controlId) {
  return native::ComboSelection(WindowHandle(dialog_), controlId);
}

int DialogDriver::ThumbPos(int controlId) {
  return native::ScrollBarPos(WindowHandle(dialog_), controlId);
}

}  // namespace tqr417::fw
