// Input to real Win32 controls by message. Focus changes go through SetFocus, so that the
// controls send their kill-focus notifications as they do for a click; keys go through
// IsDialogMessageW, which gives Tab, Enter and Esc their dialog meaning.

#include "framework/win32/testing/native_driver.h"

#include <vector>

#include "framework/toolkit.h"
#include "framework/win32/control_subclass.h"

namespace tqr417::fw::win32::testing {
namespace {

HWND Handle(Window window) { return window; }

bool IsCombo(HWND control) {
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  return lstrcmpiW(name, L"ComboBox") == 0;
}

// The edit field that takes typed text: the control itself or a combo box's edit field.
HWND EditOf(HWND control) {
  if (!IsCombo(control)) return control;
  return FindWindowExW(control, nullptr, L"Edit", nullptr);
}

// Holds the modifier keys down in the thread's key state while it lives.
class HeldModifiers {
 public:
  explicit HeldModifiers(int modifiers) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    if ((modifiers & kShift) != 0) state[VK_SHIFT] = 0x80;
    if ((modifiers & kControl) != 0) state[VK_CONTROL] = 0x80;
    if ((modifiers & kAlt) != 0) state[VK_MENU] = 0x80;
    SetKeyboardState(state);
  }
  ~HeldModifiers() { SetKeyboardState(saved_); }
  HeldModifiers(const HeldModifiers&) = delete;
  HeldModifiers& operator=(const HeldModifiers&) = delete;

 private:
  BYTE saved_[256] = {};
};

// Delivers a key message as the dialog's modal loop does.
void Deliver(HWND dialog, HWND target, UINT message, WPARAM key) {
  MSG msg{};
  msg.hwnd = target;
  msg.message = message;
  msg.wParam = key;
  msg.lParam = message == WM_KEYUP ? static_cast<LPARAM>(0xC0000001) : 1;
  if (IsDialogMessageW(dialog, &msg) == FALSE) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

void Settle() { toolkit::KeepPainting(); }

bool TakesClickFocus(Window control) {
  HWND window = Handle(control);
  return window != nullptr && IsWindowEnabled(window) != FALSE && IsWindowVisible(window) != FALSE;
}

void ClickFocus(Window control) {
  if (!TakesClickFocus(control)) return;
  SetFocus(Handle(control));
  Settle();
}

void TypeText(Window control, std::u16string_view text) {
  HWND edit = EditOf(Handle(control));
  if (edit == nullptr || IsWindowEnabled(Handle(control)) == FALSE) return;
  SendMessageW(edit, EM_SETSEL, 0, -1);
  if (text.empty()) {
    SendMessageW(edit, WM_KEYDOWN, VK_DELETE, 1);
    SendMessageW(edit, WM_KEYUP, VK_DELETE, static_cast<LPARAM>(0xC0000001));
  }
  for (const char16_t unit : text) SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(unit), 1);
  Settle();
}

void SetClipboardText(std::u16string_view text) {
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (data == nullptr) return;
  auto* units = static_cast<wchar_t*>(GlobalLock(data));
  for (std::size_t i = 0; i < text.size(); ++i) units[i] = static_cast<wchar_t>(text[i]);
  units[text.size()] = L'\0';
  GlobalUnlock(data);
  if (OpenClipboard(nullptr) == FALSE) {
    GlobalFree(data);
    return;
  }
  EmptyClipboard();
  if (SetClipboardData(CF_UNICODETEXT, data) == nullptr) GlobalFree(data);
  CloseClipboard();
}

void PasteText(Window control, std::u16string_view text) {
  HWND edit = EditOf(Handle(control));
  if (edit == nullptr || IsWindowEnabled(Handle(control)) == FALSE) return;
  SetClipboardText(text);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_PASTE, 0, 0);
  Settle();
}

void ClickButton(Window control) {
  if (!TakesClickFocus(control)) return;
  SendMessageW(Handle(control), BM_CLICK, 0, 0);
  Settle();
}

void ChooseItem(Window dialog, Window combo, int controlId, int index) {
  HWND box = Handle(combo);
  if (box == nullptr || IsWindowEnabled(box) == FALSE) return;
  const LRESULT count = SendMessageW(box, CB_GETCOUNT, 0, 0);
  if (index < 0 || index >= count) return;
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(Handle(dialog), WM_COMMAND, MAKEWPARAM(controlId, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(box));
  Settle();
}

void ScrollRequest(Window dialog, Window bar, unsigned code) {
  if (dialog == nullptr || !TakesClickFocus(bar)) return;
  for (const unsigned request : {code, static_cast<unsigned>(SB_ENDSCROLL)}) {
    SendMessageW(Handle(dialog), WM_VSCROLL, MAKEWPARAM(request, 0),
                 reinterpret_cast<LPARAM>(Handle(bar)));
  }
  Settle();
}

void PressKey(Window dialog, const DialogTemplate& dialogTemplate, int key, int modifiers) {
  HWND window = Handle(dialog);
  if (window == nullptr) return;
  HWND target = GetFocus();
  if (target == nullptr || (target != window && IsChild(window, target) == FALSE)) {
    target = window;
  }
  MSG down{};
  down.hwnd = target;
  down.message = WM_KEYDOWN;
  down.wParam = static_cast<WPARAM>(key);
  if (IgnoresEnter(dialogTemplate, window, down)) return;
  HeldModifiers held(modifiers);
  BYTE state[256];
  GetKeyboardState(state);
  state[key & 0xFF] = 0x80;
  SetKeyboardState(state);
  Deliver(window, target, (modifiers & kAlt) != 0 ? WM_SYSKEYDOWN : WM_KEYDOWN,
          static_cast<WPARAM>(key));
  Settle();
  GetKeyboardState(state);
  state[key & 0xFF] = 0;
  SetKeyboardState(state);
  HWND now = GetFocus();
  if (now != nullptr) {
    Deliver(window, now, (modifiers & kAlt) != 0 ? WM_SYSKEYUP : WM_KEYUP,
            static_cast<WPARAM>(key));
  }
  Settle();
}

void DragThumb(Window bar, int y) {
  HWND control = Handle(bar);
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!TakesClickFocus(bar) || GetScrollBarInfo(control, OBJID_CLIENT, &info) == FALSE) return;
  RECT area{};
  GetClientRect(control, &area);
  const int x = area.right / 2;
  const int grab = (info.xyThumbTop + info.xyThumbBottom) / 2;
  const int to = y < 0 ? 0 : (y >= area.bottom ? area.bottom - 1 : y);
  // From the button press on, the bar follows the mouse in a message loop of its own: the move
  // and the release wait in the queue for that loop.
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, grab));
  PostMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, to));
  PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, to));
  Settle();
}

int HeightOf(Window control) {
  RECT area{};
  if (control == nullptr || GetClientRect(Handle(control), &area) == FALSE) return 0;
  return area.bottom - area.top;
}

bool ListDropped(Window combo) {
  return combo != nullptr && SendMessageW(Handle(combo), CB_GETDROPPEDSTATE, 0, 0) != FALSE;
}

void CloseBox(Window dialog) {
  if (dialog == nullptr) return;
  SendMessageW(Handle(dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
  Settle();
}

bool WholeTextSelected(Window control) {
  HWND edit = EditOf(Handle(control));
  if (edit == nullptr) return false;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return start == 0 && end == static_cast<DWORD>(GetWindowTextLengthW(edit));
}

namespace {

thread_local std::vector<std::function<void()>> g_loopActs;

void CALLBACK RunLoopAct(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
  KillTimer(nullptr, timer);
  if (g_loopActs.empty()) return;
  const std::function<void()> act = std::move(g_loopActs.front());
  g_loopActs.erase(g_loopActs.begin());
  act();
}

}  // namespace

void WhenLoopRuns(std::function<void()> act, int delayMs) {
  g_loopActs.push_back(std::move(act));
  const UINT delay = delayMs > static_cast<int>(USER_TIMER_MINIMUM) ? static_cast<UINT>(delayMs)
                                                                    : USER_TIMER_MINIMUM;
  SetTimer(nullptr, 0, delay, &RunLoopAct);
}

void PostMouseButton(Window control, bool down) {
  HWND target = Handle(control);
  if (target == nullptr) return;
  RECT area{};
  GetClientRect(target, &area);
  const LPARAM middle = MAKELPARAM((area.right - area.left) / 2, (area.bottom - area.top) / 2);
  PostMessageW(target, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, down ? MK_LBUTTON : 0, middle);
}

void PostClick(Window control) {
  PostMouseButton(control, true);
  PostMouseButton(control, false);
}

bool ButtonPushed(Window control) {
  return control != nullptr && (SendMessageW(Handle(control), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

void PostChar(Window control, char character) {
  HWND target = Handle(control) != nullptr ? EditOf(Handle(control)) : nullptr;
  if (target == nullptr) return;
  // The character message alone: a posted key-down would be translated into a second one.
  PostMessageW(target, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(character)), 1);
}

void RunQueuedActs() {
  const DWORD start = GetTickCount();
  while (!g_loopActs.empty() && GetTickCount() - start < 1000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    toolkit::KeepPainting();
  }
}

void PostKey(int key) {
  HWND target = GetFocus();
  PostMessageW(target, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  PostMessageW(target, WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001);
}

void PostCloseBox(Window dialog) { PostMessageW(Handle(dialog), WM_SYSCOMMAND, SC_CLOSE, 0); }

bool AcceptsInput(Window window) {
  return window != nullptr && IsWindowEnabled(Handle(window)) != FALSE;
}

PixelRect PlaceOf(Window control) {
  HWND window = Handle(control);
  RECT rect{};
  if (window == nullptr || GetWindowRect(window, &rect) == FALSE) return {};
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

PixelRect ClientOf(Window dialog) {
  RECT rect{};
  if (dialog == nullptr) return {};
  GetClientRect(Handle(dialog), &rect);
  return {0, 0, rect.right, rect.bottom};
}

PixelRect PixelsOf(Window dialog, int x, int y, int width, int height) {
  RECT rect{x, y, x + width, y + height};
  if (dialog == nullptr || MapDialogRect(Handle(dialog), &rect) == FALSE) return {};
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::string ClassOf(Window control) {
  wchar_t name[64] = {};
  if (control != nullptr) GetClassNameW(Handle(control), name, 64);
  std::string text;
  for (const wchar_t* c = name; *c != 0; ++c) text += static_cast<char>(*c);
  return text;
}

std::string FontFaceOf(Window window, int& points) {
  points = 0;
  HFONT font = window != nullptr
                   ? reinterpret_cast<HFONT>(SendMessageW(Handle(window), WM_GETFONT, 0, 0))
                   : nullptr;
  LOGFONTW description{};
  if (font == nullptr || GetObjectW(font, sizeof description, &description) == 0) return {};
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const int height = description.lfHeight < 0 ? -description.lfHeight : description.lfHeight;
  points = MulDiv(height, 72, dpi);
  std::string face;
  for (const wchar_t* c = description.lfFaceName; *c != 0; ++c) face += static_cast<char>(*c);
  return face;
}

std::vector<SystemMenuItem> SystemMenuOf(Window window) {
  std::vector<SystemMenuItem> items;
  HMENU menu = window != nullptr ? GetSystemMenu(Handle(window), FALSE) : nullptr;
  const int count = menu != nullptr ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 127;
    if (GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) == FALSE) continue;
    SystemMenuItem item;
    if ((info.fType & MFT_SEPARATOR) == 0) {
      item.command = info.wID;
      for (const wchar_t* c = text; *c != 0; ++c) item.text += static_cast<char>(*c);
    }
    items.push_back(std::move(item));
  }
  return items;
}

void ChooseSystemCommand(Window window, unsigned command) {
  if (window == nullptr) return;
  SendMessageW(Handle(window), WM_SYSCOMMAND, command, 0);
  Settle();
}

namespace {

// The width of `icon`'s picture in pixels, 0 when there is none.
int IconWidth(LRESULT icon) {
  ICONINFO info{};
  if (icon == 0 || GetIconInfo(reinterpret_cast<HICON>(icon), &info) == FALSE) return 0;
  BITMAP picture{};
  GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof picture, &picture);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  return picture.bmWidth;
}

}  // namespace

bool HasWindowIcons(Window window) {
  if (window == nullptr) return false;
  return IconWidth(SendMessageW(Handle(window), WM_GETICON, ICON_BIG, 0)) ==
             GetSystemMetrics(SM_CXICON) &&
         IconWidth(SendMessageW(Handle(window), WM_GETICON, ICON_SMALL, 0)) ==
             GetSystemMetrics(SM_CXSMICON);
}

}  // namespace tqr417::fw::win32::testing
