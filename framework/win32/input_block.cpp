// The wait cursor, the input it drops while the program is busy (keys, clicks, the close box;
// not in modal windows opened during it) and the message pump that keeps the windows painted
// meanwhile.

#include "framework/win32/input_block.h"

#include <atomic>

#include "framework/modal_scope.h"
#include "framework/toolkit.h"

namespace tqr417::fw {
namespace {

int g_waits = 0;
int g_waitDepth = 0;  // the modal depth the first wait cursor began at
int g_arrows = 0;
std::atomic<int> g_dropped{0};

bool IsInputMessage(UINT message, WPARAM wParam) {
  if (message >= WM_KEYFIRST && message <= WM_KEYLAST) return true;
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_MOUSEMOVE) return true;
  if (message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK) return true;
  return message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE;
}

void UseCursor(const wchar_t* cursor) { SetCursor(LoadCursorW(nullptr, cursor)); }

class Win32WaitState : public toolkit::WaitState {
 public:
  explicit Win32WaitState(int modalDepth) {
    if (g_waits++ == 0) g_waitDepth = modalDepth;
    if (g_arrows == 0) UseCursor(IDC_WAIT);
  }
  ~Win32WaitState() override {
    if (--g_waits == 0) UseCursor(IDC_ARROW);
  }
  Win32WaitState(const Win32WaitState&) = delete;
  Win32WaitState& operator=(const Win32WaitState&) = delete;
};

}  // namespace

bool DropNow() {
  // Not in a modal window opened during the wait.
  if (g_waits == 0 || ModalScope::Depth() > g_waitDepth) return false;
  ++g_dropped;
  return true;
}

bool WaitCursorShown() { return g_waits > 0 && g_arrows == 0; }

bool DropInput(const MSG& message) {
  return IsInputMessage(message.message, message.wParam) && DropNow();
}

namespace toolkit {

std::unique_ptr<WaitState> BeginWait(int modalDepth) {
  return std::make_unique<Win32WaitState>(modalDepth);
}

void PushModalCursor() {
  ++g_arrows;
  if (g_waits > 0) UseCursor(IDC_ARROW);
}

void PopModalCursor() {
  if (g_arrows > 0) --g_arrows;
  if (WaitCursorShown()) UseCursor(IDC_WAIT);
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

int DroppedInputEvents() { return g_dropped.load(); }

}  // namespace toolkit
}  // namespace tqr417::fw
