#pragma once
// The seam between the dialog layer and the toolkit that shows its windows.
//
// CDialog, CWnd, CScrollBar, CString, the data exchange and the modal runs are the same for
// every toolkit; they reach the windows only through the two peer classes and the functions
// declared here. Each toolkit backend defines them: framework/qt/ (Qt Widgets) and
// framework/win32/ (the system's own dialogs on Windows), one of which CMake builds
// (TQR417_TOOLKIT); another backend is added beside them without touching the rest of the
// layer (framework/README.md says how).

#include <functional>
#include <memory>

#include "framework/c_string.h"
#include "framework/win_types.h"

class CDialog;

namespace tqr417::fw {

struct DialogTemplate;
class ModalRunner;

// A point on the screen, in pixels.
struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// One control of a dialog window as the toolkit shows it. Every call on a control whose
// window is gone does nothing; queries then give false, 0 or the empty text.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;

  virtual void Enable(bool enable) = 0;
  virtual bool IsEnabled() const = 0;
  virtual bool IsVisible() const = 0;  // shown in its window (also while the window is hidden)
  // Caption of a button, label or frame; text of an edit field; edit text of a combo box with
  // an edit field; for a drop-down list, the item with that text is selected (SetText) or the
  // selected item's text given, empty when none is selected (GetText).
  virtual void SetText(const CString& text) = 0;
  virtual CString GetText() const = 0;
  // Gives the control the focus as the Tab key does: an edit field's text is selected.
  virtual void SetFocus() = 0;
  virtual void SetAccessibleName(const CString& name) = 0;
  virtual CString GetAccessibleName() const = 0;

  // Check boxes and radio buttons.
  virtual void SetCheck(bool checked) = 0;
  virtual bool IsChecked() const = 0;

  // Edit fields and the edit field of a combo box: select the whole text; limit what can be
  // typed to `maxChars` characters (text set by the program is not cut).
  virtual void SelectAllText() = 0;
  virtual void LimitText(int maxChars) = 0;

  // Combo boxes: the list and its selection (-1: none).
  virtual int ItemCount() const = 0;
  virtual CString ItemText(int index) const = 0;
  virtual void SetCurSel(int index) = 0;

  // Scroll bars: the range and the thumb's position (CScrollBar keeps it inside the range).
  virtual void SetScrollRange(int minPos, int maxPos) = 0;
  virtual void GetScrollRange(int& minPos, int& maxPos) const = 0;
  virtual void SetScrollPos(int pos) = 0;
  virtual int GetScrollPos() const = 0;
};

// The window of one dialog, built from its template. It reports what the user does to its
// CDialog: SendNotify for clicks, focus losses and edits, SendVScroll for scroll requests,
// OnSysCommand and the system menu, WinHelp.
class DialogPeer {
 public:
  virtual ~DialogPeer() = default;

  // The control of template control `index`.
  virtual std::shared_ptr<ControlPeer> Control(int index) const = 0;
  // Template index of the control that has the keyboard focus, -1 when none has.
  virtual int FocusedIndex() const = 0;

  virtual void SetTitle(const CString& caption) = 0;
  virtual CString GetTitle() const = 0;
  // Shows icon resource `icon` (not 0) as the window's icon.
  virtual void SetIcon(IconId icon) = 0;

  // Ends the window's modal run with `result`.
  virtual void End(int result) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool IsVisible() const = 0;
  // Makes the window the active one and waits briefly until it is.
  virtual void Activate() = 0;
};

namespace toolkit {

// The window of `dialog` on `dialogTemplate`, over the window of `owner` (nullptr: over the
// active window), hidden until shown.
std::unique_ptr<DialogPeer> CreateDialogPeer(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                             CDialog* owner);
// The modal runner that shows real windows.
ModalRunner& ProductionRunner();
// Returns a call that gives the activation back to the window that is active now, if that
// window is still shown by then.
std::function<void()> ActivationKeeper();

// Makes the toolkit's application, runs `body` inside it and returns its result.
int RunApplication(int argc, char** argv, const std::function<int()>& body);
// The program file's name without its extension; empty when there is no application yet.
CString ProgramName();
// True when the application registered icon `iconId` with the toolkit.
bool HasIcon(int iconId);

// What the cursor shows for the wait cursor (framework/wait_rule.h keeps its rule): no wait
// cursor lives (the toolkit's own cursors), the wait cursor, or the arrow over it while a
// modal window opened during the wait runs.
enum class WaitCursorLook { kNone, kWait, kArrow };
// Shows `look` until the next call; the dialog layer calls it each time the look changes. The
// backend asks DropNow() about each event of the user's input and drops the event when it
// answers true; it need ask only while the look is not kNone.
void ShowWaitCursor(WaitCursorLook look);
// Processes pending paint and timer events, dropping the user's input as DropNow() says.
void KeepPainting();

}  // namespace toolkit
}  // namespace tqr417::fw
