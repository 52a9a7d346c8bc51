#pragma once
// The Windows side of the test driver: input to real controls by their messages, as the
// mouse and the keyboard would give it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/dialog_template.h"
#include "framework/win_types.h"

namespace tqr417::fw::win32 {
using Window = HWND;
}  // namespace tqr417::fw::win32

namespace tqr417::fw::win32::testing {

// Processes pending messages.
void Settle();
// True when `control` can take the focus from a mouse click (enabled and visible).
bool TakesClickFocus(Window control);
// Gives `control` the focus as a mouse click would: the control that had it gets its
// kill-focus notification first.
void ClickFocus(Window control);
// Selects the whole text of an edit field (or a combo box's edit field) and types `text`
// over it, one character message (WM_CHAR) per UTF-16 unit; empty text deletes the selection.
void TypeText(Window control, std::u16string_view text);
// Puts `text` on the clipboard.
void SetClipboardText(std::u16string_view text);
// Selects the whole text of an edit field (or a combo box's edit field) and pastes `text` over
// it from the clipboard (WM_PASTE).
void PasteText(Window control, std::u16string_view text);
// Clicks a button with BM_CLICK (mouse down and up on it).
void ClickButton(Window control);
// Selects item `index` of a combo box as the user's choice in its list: the selection
// changes and the dialog hears CBN_SELCHANGE.
void ChooseItem(Window dialog, Window combo, int controlId, int index);
// A click on scroll bar `bar`: the request `code` reaches the dialog as WM_VSCROLL, then
// SB_ENDSCROLL as when the mouse button is released. Nothing when the bar is disabled.
void ScrollRequest(Window dialog, Window bar, unsigned code);
// Drags the thumb of scroll bar `bar` with the mouse, grabbed in its middle, to `y` pixels
// below the top of the bar, and releases it there: the bar itself sends its owner the drag
// (SB_THUMBTRACK), the release (SB_THUMBPOSITION) and the end (SB_ENDSCROLL).
void DragThumb(Window bar, int y);
// The height of `control` in pixels.
int HeightOf(Window control);
// True while the list of combo box `combo` is dropped down.
bool ListDropped(Window combo);
// Presses and releases virtual key `key` with the modifiers held (MK_SHIFT, MK_CONTROL
// bits as below), sent to the control with the focus through the dialog manager of `dialog`
// as the dialog's modal loop would, which first drops what the dialog ignores (Enter in a
// window without a default button, see win32::IgnoresEnter).
inline constexpr int kShift = 1;
inline constexpr int kControl = 2;
inline constexpr int kAlt = 4;
void PressKey(Window dialog, const DialogTemplate& dialogTemplate, int key, int modifiers);
// The close box of the title bar.
void CloseBox(Window dialog);
// True when the edit text of `control` is entirely selected.
bool WholeTextSelected(Window control);

// Calls `act` once from whichever message loop runs then (a modal dialog box's own, for
// instance), as soon as that loop waits for messages `delayMs` from now or later.
void WhenLoopRuns(std::function<void()> act, int delayMs = 0);
// Processes messages until every act queued by WhenLoopRuns has run (at most a second).
void RunQueuedActs();
// Puts key `key` (down, then up) into the thread's queue for the control with the focus, to
// be handled by the loop that runs, its message filter and dialog manager included.
void PostKey(int key);
// Puts a left click in the middle of `control` (button down, then up) into the thread's queue;
// or the button's press or release alone.
void PostClick(Window control);
void PostMouseButton(Window control, bool down);
// True while button `control` is drawn pushed.
bool ButtonPushed(Window control);
// Puts character `character` (Latin-1), typed into `control` (a combo box: its edit field), into
// the thread's queue.
void PostChar(Window control, char character);
// Puts a click on the close box of `dialog` into the thread's queue.
void PostCloseBox(Window dialog);
// True when `window` takes input (not disabled, as a modal box's owner is).
bool AcceptsInput(Window window);

// A rectangle in pixels.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};
// Where `control` stands in its dialog's client area.
PixelRect PlaceOf(Window control);
// The client area of `dialog`, at 0, 0.
PixelRect ClientOf(Window dialog);
// A rectangle in dialog units converted to pixels by `dialog`'s own rule (MapDialogRect).
PixelRect PixelsOf(Window dialog, int x, int y, int width, int height);
// The window class of `control`, as the system names it.
std::string ClassOf(Window control);
// The items of `window`'s system menu as the system shows it: command (0 for a separator)
// and text.
struct SystemMenuItem {
  unsigned command = 0;
  std::string text;
};
std::vector<SystemMenuItem> SystemMenuOf(Window window);
// Chooses `command` from `window`'s system menu, as a click on its item does.
void ChooseSystemCommand(Window window, unsigned command);
// True when `window` carries a big and a small icon, each the picture drawn for its own size
// (not one picture scaled to the other).
bool HasWindowIcons(Window window);
// The face name of the font of `window`, and its size in points at the screen's dpi.
std::string FontFaceOf(Window window, int& points);

}  // namespace tqr417::fw::win32::testing
