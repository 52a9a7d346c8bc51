// The Win32 backend's modal boxes (MessageBoxW, the common file choosers, popup menus), the
// application's set-up, its icon resources, the wait cursor and the message pump that keeps
// the windows painted while input is dropped.

#include <windows.h>
// The common controls and dialogs need <windows.h> first.
#include <commctrl.h>
#include <commdlg.h>

#include <atomic>

#include "framework/win32/native.h"
#include "framework/win32/native_input.h"
#include "framework/win32/win32_text.h"

namespace tqr417::fw::win32 {
namespace {

std::function<bool()> g_dropInput;
int g_waits = 0;
int g_arrows = 0;
std::atomic<int> g_dropped{0};

bool IsInputMessage(UINT message, WPARAM wParam) {
  if (message >= WM_KEYFIRST && message <= WM_KEYLAST) return true;
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_MOUSEMOVE) return true;
  if (message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK) return true;
  return message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE;
}

// GetOpenFileNameW or GetSaveFileNameW from comdlg32, which is loaded when the first chooser
// opens rather than with the program: with shell32 and the rest that it loads, it would
// lengthen every start for a window that most runs never open. nullptr when it cannot be had.
using ChooserFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);
ChooserFunction Chooser(bool open) {
  static const HMODULE library = LoadLibraryW(L"comdlg32.dll");
  if (library == nullptr) return nullptr;
  // Through the type that matches every function, as GetProcAddress's own type does not.
  using AnyFunction = void (*)();
  return reinterpret_cast<ChooserFunction>(reinterpret_cast<AnyFunction>(
      GetProcAddress(library, open ? "GetOpenFileNameW" : "GetSaveFileNameW")));
}

HWND OwnerOrActive(Window owner) {
  return owner != nullptr ? static_cast<HWND>(owner) : GetActiveWindow();
}

}  // namespace

bool DropsInputNow() { return g_waits > 0 && g_dropInput && g_dropInput(); }

void CountDroppedInput() { ++g_dropped; }

bool WaitCursorShown() { return g_waits > 0 && g_arrows == 0; }

bool DropInput(const MSG& message) {
  if (!IsInputMessage(message.message, message.wParam) || !DropsInputNow()) return false;
  CountDroppedInput();
  return true;
}

bool DialogHasDefaultButton(const DialogTemplate& dialogTemplate) {
  for (const ControlTemplate& control : dialogTemplate.controls) {
    if (control.kind == ControlKind::kDefPushButton) return true;
  }
  return false;
}

int ShowMessageBox(Window owner, const CString& text, bool utf8, const CString& caption,
                   unsigned type) {
  const std::wstring wide = utf8 ? WideFromUtf8OrLatin1(text) : WideFromLatin1(text);
  return MessageBoxW(OwnerOrActive(owner), wide.c_str(), WideFromLatin1(caption).c_str(), type);
}

FileChooserRequest ChooserRequest(bool open, const CString& defaultExt, const CString& initialName,
                                  unsigned long flags, const CString& filter) {
  FileChooserRequest request;
  // The filter list: the caller's own, then the initial name's pattern ("*.417"), then all
  // files; each entry is "label\0pattern\0", the list ends with another \0.
  const auto add = [&request](const std::wstring& label, const std::wstring& pattern) {
    request.filters += label;
    request.filters.push_back(L'\0');
    request.filters += pattern;
    request.filters.push_back(L'\0');
  };
  const std::wstring initial = WideFromUtf8OrLatin1(initialName);
  const bool pattern = initial.find_first_of(L"*?") != std::wstring::npos;
  if (!filter.IsEmpty()) add(WideFromLatin1(filter), WideFromLatin1(filter));
  if (pattern) {
    add(initial, initial);
  } else if (!defaultExt.IsEmpty()) {
    add(L"*." + WideFromLatin1(defaultExt), L"*." + WideFromLatin1(defaultExt));
  }
  add(L"All files (*.*)", L"*.*");
  request.filters.push_back(L'\0');

  if (!pattern) request.initialFile = initial;
  request.defaultExt = WideFromLatin1(defaultExt);
  // An open name need not exist (no OFN_FILEMUSTEXIST): the load reports a missing file.
  request.flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if ((flags & OFN_HIDEREADONLY) != 0) request.flags |= OFN_HIDEREADONLY;
  if (!open && (flags & OFN_OVERWRITEPROMPT) != 0) request.flags |= OFN_OVERWRITEPROMPT;
  return request;
}

std::optional<CString> ChooseFile(Window owner, bool open, const CString& defaultExt,
                                  const CString& initialName, unsigned long flags,
                                  const CString& filter) {
  const FileChooserRequest asked = ChooserRequest(open, defaultExt, initialName, flags, filter);
  std::wstring file(MAX_PATH * 4, L'\0');
  asked.initialFile.copy(file.data(), file.size() - 1);

  OPENFILENAMEW request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = OwnerOrActive(owner);
  request.lpstrFilter = asked.filters.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrDefExt = asked.defaultExt.empty() ? nullptr : asked.defaultExt.c_str();
  request.Flags = asked.flags;
  const ChooserFunction choose = Chooser(open);
  if (choose == nullptr || choose(&request) == FALSE) return std::nullopt;
  file.resize(file.find(L'\0'));
  return Utf8FromWide(file);
}

unsigned TrackMenu(Window owner, const std::vector<MenuItem>& items, int x, int y) {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return 0;
  for (const MenuItem& item : items) {
    if (item.separator) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu, MF_STRING, item.command, WideFromLatin1(item.text).c_str());
    }
  }
  const BOOL command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN, x, y, 0,
                                      OwnerOrActive(owner), nullptr);
  DestroyMenu(menu);
  return static_cast<unsigned>(command);
}

void InitApplication() {
  // The manifest asks for common controls 6 and per-monitor DPI awareness; the controls'
  // classes are registered here.
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

CString ProgramFileBaseName() {
  std::wstring path(MAX_PATH * 4, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  const std::size_t slash = path.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return Latin1FromWide(name);
}

bool HasIconResource(int iconId) {
  return FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), RT_GROUP_ICON) !=
         nullptr;
}

Window ActiveWindow() { return GetActiveWindow(); }

void Reactivate(Window window) {
  HWND target = static_cast<HWND>(window);
  if (target == nullptr || IsWindow(target) == FALSE || IsWindowVisible(target) == FALSE ||
      GetActiveWindow() == target) {
    return;
  }
  SetActiveWindow(target);
  PumpMessages();
}

void BeginWaitCursor(std::function<bool()> dropInput) {
  if (g_waits++ == 0) g_dropInput = std::move(dropInput);
  if (g_arrows == 0) SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void EndWaitCursor() {
  if (g_waits == 0) return;
  if (--g_waits == 0) {
    g_dropInput = nullptr;
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  }
}

void PushArrowCursor() {
  ++g_arrows;
  if (g_waits > 0) SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

void PopArrowCursor() {
  if (g_arrows > 0) --g_arrows;
  if (WaitCursorShown()) SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void PumpMessages() {
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

int DroppedInput() { return g_dropped.load(); }

}  // namespace tqr417::fw::win32
