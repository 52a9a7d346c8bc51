#include "framework/win32/template_builder.h"

#include <string>

#include "platform/wide_text.h"

namespace tqr417::fw {
namespace {

// Predefined window classes by atom.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kScrollBarClass = 0x0084;
constexpr WORD kComboBoxClass = 0x0085;

class TemplateWriter {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Short(int value) { Word(static_cast<WORD>(static_cast<short>(value))); }
  void Text(const std::wstring& text) {
    for (const wchar_t ch : text) Word(static_cast<WORD>(ch));
    Word(0);
  }
  void AlignDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  std::vector<WORD> Take() { return std::move(words_); }

 private:
  std::vector<WORD> words_;
};

// The standard window class of a template control and its class's own styles.
struct ControlClass {
  WORD atom;
  DWORD styles;
};

ControlClass ClassOf(const ControlTemplate& control) {
  const DWORD sorted = (control.flags & style::kSorted) != 0 ? CBS_SORT : 0;
  const DWORD leftText = (control.flags & style::kLeftText) != 0 ? BS_LEFTTEXT : 0;
  switch (control.kind) {
    case ControlKind::kPushButton:
      return {kButtonClass, BS_PUSHBUTTON};
    case ControlKind::kDefPushButton:
      return {kButtonClass, BS_DEFPUSHBUTTON};
    case ControlKind::kCheckBox:
      return {kButtonClass, BS_AUTOCHECKBOX | leftText};
    case ControlKind::kRadioButton:
      return {kButtonClass, BS_AUTORADIOBUTTON | leftText};
    case ControlKind::kGroupBox:
      return {kButtonClass, BS_GROUPBOX};
    case ControlKind::kStaticText:
      if ((control.flags & style::kCentre) != 0) return {kStaticClass, SS_CENTER};
      if ((control.flags & style::kRight) != 0) return {kStaticClass, SS_RIGHT};
      return {kStaticClass, SS_LEFT};
    case ControlKind::kIcon:
      return {kStaticClass, SS_ICON};
    case ControlKind::kEdit:
      // Not ES_UPPERCASE: it turns every letter into upper case (é too) and also text the
      // program sets; the dialog procedure converts typed a to z only.
      return {kEditClass, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER};
    case ControlKind::kComboDropDown:
      return {kComboBoxClass, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | sorted};
    case ControlKind::kComboDropList:
      return {kComboBoxClass, CBS_DROPDOWNLIST | WS_VSCROLL | sorted};
    case ControlKind::kVScrollBar:
      return {kScrollBarClass, SBS_VERT};
  }
  return {kStaticClass, 0};
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

  TemplateWriter out;
  out.Word(1);       // dlgVer
  out.Word(0xFFFF);  // signature: extended template
  out.Dword(0);      // helpID
  out.Dword(exStyles);
  out.Dword(styles);
  out.Word(static_cast<WORD>(dialogTemplate.controls.size()));
  out.Short(0);
  out.Short(0);
  out.Short(dialogTemplate.width);
  out.Short(dialogTemplate.height);
  out.Word(0);  // no menu
  out.Word(0);  // the standard dialog class
  out.Text(WideFromLatin1(dialogTemplate.caption));
  out.Word(static_cast<WORD>(dialogTemplate.fontPoints > 0 ? dialogTemplate.fontPoints : 8));
  out.Word(FW_NORMAL);
  out.Word(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, charset
  out.Text(
      WideFromLatin1(dialogTemplate.fontName.empty() ? "MS Sans Serif" : dialogTemplate.fontName));

  for (const ControlTemplate& control : dialogTemplate.controls) {
    out.AlignDword();
    out.Dword(0);  // helpID
    out.Dword(0);  // exStyle
    out.Dword(ControlStyle(control));
    out.Short(control.x);
    out.Short(control.y);
    out.Short(control.width);
    out.Short(control.height);
    out.Dword(static_cast<DWORD>(control.id));
    out.Word(0xFFFF);
    out.Word(ClassOf(control).atom);
    // An icon's picture is set once the window exists, so a missing icon resource cannot stop
    // the window from being made.
    out.Text(control.kind == ControlKind::kIcon ? std::wstring() : WideFromLatin1(control.caption));
    out.Word(0);  // no creation data
  }
  return out.Take();
}

}  // namespace tqr417::fw
