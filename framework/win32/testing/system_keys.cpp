#include "framework/win32/testing/system_keys.h"

#include <windows.h>

namespace tqr417::fw::win32::testing {

// The message the system sends for F1 (winuser.h leaves it out of its public list).
constexpr UINT kKeyF1 = 0x004D;

void AfterKeyPress(int key) {
  if (key != VK_F1) return;
  if (HWND focus = GetFocus()) SendMessageW(focus, kKeyF1, 0, 0);
}

}  // namespace tqr417::fw::win32::testing
