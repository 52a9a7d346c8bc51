// The Win32 backend's toolkit functions (framework/toolkit.h) other than the wait cursor's
// (input_block.cpp) and the production runner's (win32_modal_runner.cpp): the dialog
// windows, the activation, the application and its icon resources.

#include <filesystem>

#include "framework/toolkit.h"
#include "framework/win32/win32_dialog_peer.h"
#include "platform/wide_text.h"
// commctrl.h needs <windows.h> first.
#include <commctrl.h>

namespace tqr417::fw::toolkit {
namespace {

bool g_applicationRuns = false;

}  // namespace

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

}  // namespace tqr417::fw::toolkit
