#pragma once
// DialogDriver: what a test script does to a dialog that is running under a ScriptedRunner,
// the way the technician would: typing, clicking, keys. Each step ends with the events it
// caused processed, so focus-loss handlers and nested modal runs have happened when it
// returns. The input itself is the toolkit's: each backend implements this class in its
// testing/ folder (framework/qt/testing/, framework/win32/testing/), and key codes are the
// toolkit's (Qt::Key_F1 with Qt, the virtual keys VK_F1 ... on Win32); tests that run on
// every toolkit name keys and modifiers through `keys`.

#include <functional>
#include <string>
#include <string_view>

#include "framework/c_string.h"

class CDialog;

namespace tqr417::fw {

// Keys of the toolkit by name, for tests that run on every toolkit (each driver defines them).
namespace keys {
extern const int kF1;
extern const int kUp;
extern const int kDown;
extern const int kLeft;
extern const int kRight;
}  // namespace keys

class DialogDriver {
 public:
  explicit DialogDriver(CDialog& dialog);

  CDialog& Dialog() { return dialog_; }

  // Gives the control the focus as a mouse click would (focus-loss notifications of the
  // previous control run), selects its text and types `text` key by key, replacing it. For a
  // combo box with an edit field the text goes into the edit field.
  void Type(int controlId, std::string_view text);
  // The same for text in any script (UTF-16), such as characters a keyboard types that no
  // 8-bit byte names ("\u20ac"): one character event each, a pair of surrogates as one.
  void Type(int controlId, std::u16string_view text);
  // Gives the control the focus as a mouse click would, selects its text, puts `text` on the
  // clipboard and pastes it over the selection as the user does (the toolkit's paste key or
  // message). For a combo box with an edit field the text goes into the edit field.
  void Paste(int controlId, std::u16string_view text);
  // Gives the control the focus as a mouse click would.
  void Focus(int controlId);
  // Clicks a button, check box or radio button: the focus moves to it first, as with the
  // mouse, then it is clicked if it is still enabled and visible.
  void Click(int controlId);
  // Chooses list item `index` of a combo box as the user would (focus, then selection).
  void Choose(int controlId, int index);

  // A click on scroll bar control `controlId` as the user gives it: `code` is SB_LINEUP,
  // SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_TOP or SB_BOTTOM, and the end of the scroll
  // follows.
  void ScrollBar(int controlId, unsigned code);

  // Keys, sent to the control that has the focus (or the dialog when none has): a key code
  // and modifiers of the toolkit.
  void Key(int key, int modifiers = 0);
  void Tab();
  void BackTab();
  void Esc();
  void Enter();
  // The close box of the title bar.
  void CloseBox();

  // The user's own input, handed to the toolkit as it hands over what the user does and not
  // processed here: it goes through whatever the toolkit filters input with (a wait
  // cursor's block included). A click on a control, a character typed into a field, the
  // close box. For what happens to input while the program is busy.
  void UserClick(int controlId);
  void UserChar(int controlId, char character);
  void UserCloseBox();
  // The left mouse button pressed on a button, and released on it.
  void UserPress(int controlId);
  void UserRelease(int controlId);
  // True while a push button is drawn pressed down.
  bool ButtonDown(int controlId);

  // Id of the control that has the focus, 0 when none of the dialog's has.
  int FocusedId() const;
  // Text of a control as CWnd::GetWindowText gives it.
  CString Text(int controlId);
  // True when the control's edit text is entirely selected.
  bool TextSelected(int controlId);
  // What the control itself shows, read from the toolkit's control: whether a check box or
  // radio button is checked, the list index a combo box has selected (-1: none) and where
  // the thumb of a scroll bar stands.
  bool Checked(int controlId);
  int Selection(int controlId);
  int ThumbPos(int controlId);
  bool Ended() const;
  int EndCode() const;

  // Processes pending events.
  static void Settle();
  // Calls `act` once, about `delayMs` from now, from the toolkit's event processing: a
  // modal run's, or a wait's (a transfer keeps painting and its timers run).
  static void Later(int delayMs, std::function<void()> act);

 private:
  CDialog& dialog_;
};

}  // namespace tqr417::fw
