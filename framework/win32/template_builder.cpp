#include "framework/win32/template_builder.h"

#include <cstdlib>
#include <string>

#include "platform/wide_text.h"

namespace tqr417::fw {
namespace {

// The standard window class of a template control, its class's own styles and its extended
// styles.
struct ControlClass {
  const wchar_t* name;
  DWORD styles;
  DWORD exStyles = 0;
};

ControlClass ClassOf(const ControlTemplate& control) {
  const DWORD sorted = (control.flags & style::kSorted) != 0 ? CBS_SORT : 0;
  const DWORD leftText = (control.flags & style::kLeftText) != 0 ? BS_LEFTTEXT : 0;
  switch (control.kind) {
    case ControlKind::kPushButton:
      return {L"Button", BS_PUSHBUTTON};
    case ControlKind::kDefPushButton:
      return {L"Button", BS_DEFPUSHBUTTON};
    case ControlKind::kCheckBox:
      return {L"Button", BS_AUTOCHECKBOX | leftText};
    case ControlKind::kRadioButton:
      return {L"Button", BS_AUTORADIOBUTTON | leftText};
    case ControlKind::kGroupBox:
      return {L"Button", BS_GROUPBOX};
    case ControlKind::kStaticText:
      if ((control.flags & style::kCentre) != 0) return {L"Static", SS_CENTER};
      if ((control.flags & style::kRight) != 0) return {L"Static", SS_RIGHT};
      return {L"Static", SS_LEFT};
    case ControlKind::kIcon:
      return {L"Static", SS_ICON};
    case ControlKind::kEdit:
      // Not ES_UPPERCASE: it turns every letter into upper case (é too) and also text the
      // program sets; the dialog procedure converts typed a to z only. The sunken edge is the
      // one the dialog manager gives a bordered control in a DS_3DLOOK dialog.
      return {L"Edit", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kComboDropDown:
      return {L"ComboBox", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | sorted};
    case ControlKind::kComboDropList:
      return {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | sorted};
    case ControlKind::kVScrollBar:
      return {L"ScrollBar", SBS_VERT};
  }
  return {L"Static", 0};
}

// The window styles of a template control (WS_ and the class's own styles).
DWORD ControlStyle(const ControlTemplate& control) {
  DWORD styles = WS_CHILD | ClassOf(control).styles;
  if ((control.flags & style::kHidden) == 0) styles |= WS_VISIBLE;
  if ((control.flags & style::kDisabled) != 0) styles |= WS_DISABLED;
  if ((control.flags & style::kGroup) != 0) styles |= WS_GROUP;
  if ((control.flags & style::kTabStop) != 0) styles |= WS_TABSTOP;
  return styles;
}

}  // namespace

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate) {
  DWORD styles = WS_POPUP | DS_SETFONT | DS_3DLOOK;
  if ((dialogTemplate.flags & dialog_style::kCaption) != 0) styles |= WS_CAPTION;
  if ((dialogTemplate.flags & dialog_style::kSysMenu) != 0) styles |= WS_SYSMENU;
  if ((dialogTemplate.flags & dialog_style::kModalFrame) != 0) styles |= DS_MODALFRAME;
  const DWORD exStyles =
      (dialogTemplate.flags & dialog_style::kAppWindow) != 0 ? WS_EX_APPWINDOW : 0;
  const auto points =
      static_cast<WORD>(dialogTemplate.fontPoints > 0 ? dialogTemplate.fontPoints : 8);

  std::vector<WORD> words{1, 0xFFFF};  // dlgVer, signature: extended template
  const auto appendDword = [&words](DWORD value) {
    words.insert(words.end(), {LOWORD(value), HIWORD(value)});
  };
  const auto appendText = [&words](const std::string& latin1) {
    for (const wchar_t ch : WideFromLatin1(latin1)) words.push_back(static_cast<WORD>(ch));
    words.push_back(0);
  };
  appendDword(0);  // helpID
  appendDword(exStyles);
  appendDword(styles);
  // No items (the dialog procedure makes the controls), the corner (the window is placed when
  // it is shown), the size, no menu, the standard dialog class.
  words.insert(words.end(), {0, 0, 0, static_cast<WORD>(dialogTemplate.width),
                             static_cast<WORD>(dialogTemplate.height), 0, 0});
  appendText(dialogTemplate.caption);
  // The font: its size, weight, italic and character set, then its name.
  words.insert(words.end(), {points, FW_NORMAL, MAKEWORD(FALSE, DEFAULT_CHARSET)});
  appendText(dialogTemplate.fontName.empty() ? "MS Sans Serif" : dialogTemplate.fontName);
  return words;
}

HWND CreateControl(HWND dialog, const ControlTemplate& control) {
  const ControlClass kind = ClassOf(control);
  // Corner and size each converted on their own, as the dialog manager rounds them:
  // MapDialogRect converts every field of the rectangle alone.
  RECT place{control.x, control.y, control.width, control.height};
  MapDialogRect(dialog, &place);
  // An icon's picture is set once the window exists, so that a missing icon resource cannot
  // stop the window from being made.
  const bool icon = control.kind == ControlKind::kIcon;
  HWND window =
      CreateWindowExW(WS_EX_NOPARENTNOTIFY | kind.exStyles, kind.name,
                      icon ? L"" : WideFromLatin1(control.caption).c_str(), ControlStyle(control),
                      place.left, place.top, place.right, place.bottom, dialog,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                      GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) return nullptr;
  SendMessageW(window, WM_SETFONT, static_cast<WPARAM>(SendMessageW(dialog, WM_GETFONT, 0, 0)),
               FALSE);
  if (control.kind == ControlKind::kDefPushButton) {
    SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(control.id), 0);
  }
  if (icon) {
    auto* picture = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(std::atoi(control.caption.c_str())),
                   IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    if (picture != nullptr) SendMessageW(window, STM_SETICON, reinterpret_cast<WPARAM>(picture), 0);
  }
  return window;
}

}  // namespace tqr417::fw
