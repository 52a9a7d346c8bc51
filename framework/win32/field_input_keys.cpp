#include <optional>
#include <string>
#include <string_view>

#include "framework/field_input.h"
#include "framework/template_rules.h"
#include "framework/win32/control_subclass.h"

namespace tqr417::fw {
namespace {

// The clipboard's text, nullopt when it holds none.
std::optional<std::u16string> ClipboardText(HWND owner) {
  if (IsClipboardFormatAvailable(CF_UNICODETEXT) == FALSE || OpenClipboard(owner) == FALSE) {
    return std::nullopt;
  }
  std::optional<std::u16string> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.emplace();
      for (const wchar_t* unit = units; *unit != L'\0'; ++unit) text->push_back(*unit);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void Paste(HWND edit, bool upperCase) {
  if ((GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0) return;
  const std::optional<std::u16string> pasted = ClipboardText(edit);
  if (!pasted) return;
  const std::optional<std::u16string> kept = KeptInput(FirstLine(*pasted), upperCase);
  if (!kept) {
    MessageBeep(MB_OK);
    return;
  }
  const std::wstring text(kept->begin(), kept->end());
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

// True when a key down is Shift+Insert, the edit control's other paste key.
bool IsPasteKey(UINT message, WPARAM key) {
  return message == WM_KEYDOWN && key == VK_INSERT && GetKeyState(VK_SHIFT) < 0 &&
         GetKeyState(VK_MENU) >= 0;
}

// True when Enter typed into `target` goes to a combo box whose list is dropped down: the
// combo box itself (a drop-down list) or its edit field. Only a combo box answers
// CB_GETDROPPEDSTATE; every other window, the dialog too, answers 0.
bool EnterClosesDroppedList(HWND target) {
  return SendMessageW(target, CB_GETDROPPEDSTATE, 0, 0) != FALSE ||
         SendMessageW(GetParent(target), CB_GETDROPPEDSTATE, 0, 0) != FALSE;
}

}  // namespace

HWND FieldEditOf(HWND control, ControlKind kind) {
  if (control == nullptr) return nullptr;
  if (kind == ControlKind::kEdit) return control;
  if (kind != ControlKind::kComboDropDown) return nullptr;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(control, &info) != FALSE ? info.hwndItem : nullptr;
}

bool TakeFieldInput(HWND edit, UINT message, WPARAM& wParam, bool upperCase) {
  if (message == WM_PASTE || IsPasteKey(message, wParam)) {
    Paste(edit, upperCase);
    return true;
  }
  if (message != WM_CHAR) return false;
  const char16_t typed = static_cast<char16_t>(wParam);
  const std::optional<std::u16string> kept = KeptInput(std::u16string_view(&typed, 1), upperCase);
  if (!kept) {
    MessageBeep(MB_OK);
    return true;
  }
  wParam = (*kept)[0];
  return false;
}

bool IgnoresEnter(const DialogTemplate& dialogTemplate, HWND dialog, const MSG& message) {
  return message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
         DefaultButtonIndex(dialogTemplate) < 0 && IsChild(dialog, message.hwnd) != FALSE &&
         !EnterClosesDroppedList(message.hwnd);
}

}  // namespace tqr417::fw
