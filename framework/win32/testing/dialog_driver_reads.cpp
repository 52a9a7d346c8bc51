// The Win32 driver's reads of what a control shows, and the keys tests on every toolkit name.

#include "framework/dialog.h"
#include "framework/testing/dialog_driver.h"
#include "framework/win32/testing/control_reads.h"
#include "framework/win32/win32_dialog_peer.h"

namespace tqr417::fw {

namespace native = win32::testing;

const int keys::kUp = VK_UP;
const int keys::kDown = VK_DOWN;
const int keys::kLeft = VK_LEFT;
const int keys::kRight = VK_RIGHT;

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
