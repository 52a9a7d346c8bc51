// The Win32 backend's toolkit functions (framework/toolkit.h) other than the wait cursor's
// (input_block.cpp): the dialog windows, the production runner, the activation, the
// application and its icon resources.

#include "framework/toolkit.h"
#include "framework/win32/win32_dialog_peer.h"
#include "framework/win32/win32_modal_runner.h"
#include "framework/win32/win32_text.h"
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

ModalRunner& ProductionRunner() {
  static Win32ModalRunner production;
  return production;
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
  const std::size_t slash = path.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return Latin1FromWide(name);
}

bool HasIcon(int iconId) {
  return FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), RT_GROUP_ICON) !=
         nullptr;
}

}  // namespace tqr417::fw::toolkit
