// The Win32 backend's toolkit functions (framework/toolkit.h) other than the production
// runner's (win32_modal_runner.cpp): the dialog windows, the activation, the application and
// its icon resources, the wait cursor's look, what counts as the user's input while it drops
// input (keys, clicks, the close box) and the message pump that keeps the windows painted
// meanwhile. When input is dropped is the dialog layer's rule (framework/wait_rule.h).

#include <filesystem>

#include "framework/toolkit.h"
#include "framework/wait_rule.h"
#include "framework/win32/win32_dialog_peer.h"
#include "platform/wide_text.h"
// commctrl.h needs <windows.h> first.
#include <commctrl.h>

namespace tqr417::fw {
namespace {

bool g_applicationRuns = false;

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

std::unique_ptr<DialogPeer> CreateDialogPeer(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                             CDialog* owner) {
  auto window = std::make_unique<Win32DialogPeer>(dialog, dialogTemplate);
  window->Create(OwnerWindow(owner));
  return window;
}

std::function<void()> ActivationKeeper() {
  HWND active = GetActiveWindow();
  return [active] {
    if (active == nullptr || IsWindow(active) == FALSE || IsWindowVisible(active) == FALSE ||
        GetActiveWindow() == active) {
      return;
    }
    SetActiveWindow(active);
    KeepPainting();
  };
}

int RunApplication(int /*argc*/, char** /*argv*/, const std::function<int()>& body) {
  // The manifest asks for common controls 6 and per-monitor DPI awareness; the controls'
  // classes are registered here.
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  g_applicationRuns = true;
  const int result = body();
  g_applicationRuns = false;
  return result;
}

CString ProgramName() {
  if (!g_applicationRuns) return CString();
  std::wstring path(MAX_PATH * 4, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return Latin1FromWide(std::filesystem::path(path).stem().wstring());
}

bool HasIcon(int iconId) {
  return FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), RT_GROUP_ICON) !=
         nullptr;
}

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
