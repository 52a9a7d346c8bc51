// The test driver for the Win32 backend: real controls, driven by their messages (see
// native_driver.h). Key codes are Windows virtual keys; modifiers the bits of native_driver.h.

#include "framework/testing/dialog_driver.h"

#include <string>

#include "framework/dialog.h"
#include "framework/dialog_template.h"
#include "framework/win32/testing/native_driver.h"
#include "framework/win32/testing/system_keys.h"
#include "framework/win32/win32_dialog_peer.h"
#include "framework/wnd.h"

namespace tqr417::fw {
namespace {

namespace native = win32::testing;

int IndexOf(const CDialog& dialog, int controlId) {
  const DialogTemplate* dialogTemplate = dialog.Template();
  if (dialogTemplate == nullptr) return -1;
  for (std::size_t i = 0; i < dialogTemplate->controls.size(); ++i) {
    if (dialogTemplate->controls[i].id == controlId) return static_cast<int>(i);
  }
  return -1;
}

win32::Window ControlOf(const CDialog& dialog, int controlId) {
  HWND window = WindowHandle(dialog);
  return window != nullptr && IndexOf(dialog, controlId) >= 0 ? GetDlgItem(window, controlId)
                                                              : nullptr;
}

ControlKind KindOf(const CDialog& dialog, int controlId) {
  return dialog.Template()->controls[static_cast<std::size_t>(IndexOf(dialog, controlId))].kind;
}

// Control `controlId` when it takes typed text (an edit field or a combo box with one).
win32::Window TextControlOf(const CDialog& dialog, int controlId) {
  win32::Window control = ControlOf(dialog, controlId);
  if (control == nullptr) return nullptr;
  const ControlKind kind = KindOf(dialog, controlId);
  return kind == ControlKind::kEdit || kind == ControlKind::kComboDropDown ? control : nullptr;
}

}  // namespace

const int keys::kF1 = VK_F1;

void DialogDriver::Settle() { native::Settle(); }

void DialogDriver::Focus(int controlId) {
  win32::Window control = ControlOf(dialog_, controlId);
  if (control == nullptr) return;
  const ControlKind kind = KindOf(dialog_, controlId);
  if (kind == ControlKind::kStaticText || kind == ControlKind::kGroupBox ||
      kind == ControlKind::kIcon || kind == ControlKind::kVScrollBar) {
    return;  // a click gives these no focus
  }
  native::ClickFocus(control);
}

void DialogDriver::Type(int controlId, std::string_view text) {
  // Latin-1: each byte is the character of the same number.
  std::u16string units;
  for (const char byte : text) units.push_back(static_cast<unsigned char>(byte));
  Type(controlId, units);
}

void DialogDriver::Type(int controlId, std::u16string_view text) {
  Focus(controlId);
  if (win32::Window control = TextControlOf(dialog_, controlId)) native::TypeText(control, text);
}

void DialogDriver::Paste(int controlId, std::u16string_view text) {
  Focus(controlId);
  if (win32::Window control = TextControlOf(dialog_, controlId)) native::PasteText(control, text);
}

void DialogDriver::Click(int controlId) {
  Focus(controlId);
  native::ClickButton(ControlOf(dialog_, controlId));
}

void DialogDriver::Choose(int controlId, int index) {
  Focus(controlId);
  win32::Window control = ControlOf(dialog_, controlId);
  if (control == nullptr) return;
  native::ChooseItem(WindowHandle(dialog_), control, controlId, index);
}

void DialogDriver::ScrollBar(int controlId, unsigned code) {
  if (code > SB_BOTTOM || code == SB_THUMBPOSITION || code == SB_THUMBTRACK) return;
  native::ScrollRequest(WindowHandle(dialog_), ControlOf(dialog_, controlId), code);
}

void DialogDriver::Key(int key, int modifiers) {
  if (dialog_.Template() == nullptr) return;
  native::PressKey(WindowHandle(dialog_), *dialog_.Template(), key, modifiers);
  native::AfterKeyPress(key);
  Settle();
}

void DialogDriver::Tab() { Key(VK_TAB); }
void DialogDriver::BackTab() { Key(VK_TAB, native::kShift); }
void DialogDriver::Esc() { Key(VK_ESCAPE); }
void DialogDriver::Enter() { Key(VK_RETURN); }

void DialogDriver::CloseBox() { native::CloseBox(WindowHandle(dialog_)); }

void DialogDriver::UserClick(int controlId) { native::PostClick(ControlOf(dialog_, controlId)); }

void DialogDriver::UserChar(int controlId, char character) {
  native::PostChar(ControlOf(dialog_, controlId), character);
}

void DialogDriver::UserCloseBox() { native::PostCloseBox(WindowHandle(dialog_)); }

void DialogDriver::UserPress(int controlId) {
  native::PostMouseButton(ControlOf(dialog_, controlId), true);
}

void DialogDriver::UserRelease(int controlId) {
  native::PostMouseButton(ControlOf(dialog_, controlId), false);
}

bool DialogDriver::ButtonDown(int controlId) {
  return native::ButtonPushed(ControlOf(dialog_, controlId));
}

void DialogDriver::Later(int delayMs, std::function<void()> act) {
  native::WhenLoopRuns(std::move(act), delayMs);
}

bool DialogDriver::TextSelected(int controlId) {
  return native::WholeTextSelected(ControlOf(dialog_, controlId));
}

}  // namespace tqr417::fw
