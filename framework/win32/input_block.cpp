// What counts as the user's input on Win32 (keys, clicks, the close box), the cursor a wait
// shows and the message pump that keeps the windows painted meanwhile. When input is dropped
// is the dialog layer's rule (framework/wait_rule.h).

#include "framework/win32/input_block.h"

#include "framework/toolkit.h"

namespace tqr417::fw {
namespace {

bool IsInputMessage(UINT message, WPARAM wParam) {
  if (message >= WM_KEYFIRST && message <= WM_KEYLAST) return true;
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_MOUSEMOVE) return true;
  if (message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK) return true;
  return message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE;
}

}  // namespace

bool DropInput(const MSG& message) {
  return IsInputMessage(message.message, message.wParam) && DropNow();
}

namespace toolkit {

// The system asks each window for its cursor as the mouse moves (WM_SETCURSOR); the dialog
// procedure answers with the wait cursor while WaitCursorShown().
void ShowWaitCursor(WaitCursorLook look) {
  SetCursor(LoadCursorW(nullptr, look == WaitCursorLook::kWait ? IDC_WAIT : IDC_ARROW));
}

void KeepPainting() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (DropInput(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace toolkit
}  // namespace tqr417::fw
