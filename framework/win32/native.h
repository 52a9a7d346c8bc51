#pragma once
// The Windows side of the Win32 backend, behind types that need no <windows.h>.
//
// <windows.h> defines TRUE, IDOK, MB_OK, DWORD, HICON and more as macros and types that the
// dialog layer defines in its own terms (framework/win_types.h), so no file includes both:
// the files named native_* and the template builder speak Win32, the rest of the backend
// speaks the dialog layer and reaches Windows through this header. Windows are opaque
// pointers (HWND); message box types and notification codes are the Windows numbers, which
// the dialog layer uses too.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/c_string.h"
#include "framework/dialog_template.h"

namespace tqr417::fw::win32 {

using Window = void*;  // HWND

// What a dialog window reports to its owner.
class DialogEvents {
 public:
  virtual ~DialogEvents() = default;
  // A control's notification (BN_CLICKED, EN_KILLFOCUS, CBN_SELCHANGE, ...).
  virtual void Command(int controlId, unsigned code) = 0;
  // A scroll bar control's request (SB_ code); `pos` for the thumb codes.
  virtual void VScroll(int controlId, unsigned code, int pos) = 0;
  // A system menu command; returns false to leave it to the system (move, ...).
  virtual bool SysCommand(unsigned command, std::intptr_t param) = 0;
  // F1.
  virtual void Help() = 0;
};

// A dialog window made from a template, with its controls addressed by template index.
// It has no window until Create or RunBox makes one; every call does nothing until then and
// after the window is gone.
class NativeDialog {
 public:
  NativeDialog(DialogEvents& events, const DialogTemplate& dialogTemplate);
  ~NativeDialog();
  NativeDialog(const NativeDialog&) = delete;
  NativeDialog& operator=(const NativeDialog&) = delete;

  // Makes the window over `owner` (nullptr: none), hidden, without running it
  // (CreateDialogIndirectParamW); RunModal runs it later.
  void Create(Window owner);
  // Makes the window over `owner` and runs it as a modal dialog box until End is called
  // (DialogBoxIndirectParamW): `created` is called once the window and its controls exist,
  // before the window is shown; the system then centres and shows it, disables `owner` while
  // it runs and destroys the window when it ends.
  void RunBox(Window owner, const std::function<void()>& created);

  Window Handle() const;
  int FocusedIndex() const;
  // Gives the focus to control `index` (when the window is hidden: once it is shown).
  void FocusControl(int index);
  void FocusFirstControl();
  void SetTitle(const CString& caption);
  CString GetTitle() const;
  // Shows icon resource `iconId` as the window's big and small icon (nothing when it already
  // does).
  void SetIcon(int iconId);
  void Corner(int& x, int& y) const;
  void AppendSystemMenuItem(bool separator, unsigned command, const CString& text);

  void Show();
  void Hide();
  bool IsVisible() const;
  void Activate();
  // Runs the window made by Create modally over its owner until End is called.
  void RunModal();
  void End();
  bool HasEnded() const;

  // Controls by template index.
  void Enable(int index, bool enable);
  bool IsEnabled(int index) const;
  bool IsVisible(int index) const;
  void SetText(int index, const CString& text);
  CString GetText(int index) const;
  void SetCheck(int index, bool checked);
  bool IsChecked(int index) const;
  void SelectAllText(int index);
  void LimitText(int index, int maxChars);
  int ItemCount(int index) const;
  CString ItemText(int index, int item) const;
  void SetCurSel(int index, int item);
  void SetScrollRange(int index, int minPos, int maxPos);
  void GetScrollRange(int index, int& minPos, int& maxPos) const;
  void SetScrollPos(int index, int pos);
  int GetScrollPos(int index) const;
  // Gives control `index` its accessible name (see win32::SetAccessibleName). Names given
  // while RunBox's `created` runs are handed to the system once, when it has returned.
  void SetAccessibleName(int index, const CString& name);
  // The window of control `index`, nullptr when there is none.
  Window ControlHandle(int index) const;

  struct State;  // the window's Win32 state (native_dialog.cpp)

 private:
  std::unique_ptr<State> state_;
};

struct MenuItem {
  bool separator = false;
  unsigned command = 0;
  CString text;
};

// Message box with the Windows MB_ type; `utf8` says the text is UTF-8 (it names files or
// devices), else it is 8-bit Latin-1. Returns IDOK, IDCANCEL, IDYES or IDNO.
int ShowMessageBox(Window owner, const CString& text, bool utf8, const CString& caption,
                   unsigned type);
// What the open or save chooser is asked for (the strings and flags of its OPENFILENAMEW):
// the filter list ("label\0pattern\0" entries, then another \0), the name it starts with,
// the extension it appends to a name typed without one, and the OFN_ flags.
struct FileChooserRequest {
  std::wstring filters;
  std::wstring initialFile;
  std::wstring defaultExt;
  unsigned long flags = 0;
};
// The request for a chooser asked for with the arguments of ChooseFile: the save chooser asks
// before it replaces a file when `flags` hold OFN_OVERWRITEPROMPT; the open chooser takes a
// name whether its file exists or not.
FileChooserRequest ChooserRequest(bool open, const CString& defaultExt, const CString& initialName,
                                  unsigned long flags, const CString& filter);
// The open or save chooser; the chosen path in UTF-8, nullopt when cancelled.
std::optional<CString> ChooseFile(Window owner, bool open, const CString& defaultExt,
                                  const CString& initialName, unsigned long flags,
                                  const CString& filter);
// A popup menu at a screen point; the chosen command, 0 when none.
unsigned TrackMenu(Window owner, const std::vector<MenuItem>& items, int x, int y);

// Gives window `control` the accessible name `name` (empty: the name the system derives from
// its text): through the system's accessibility services when it has them, else by answering
// WM_GETOBJECT itself (Wine 8 has the services object, but its SetHwndPropStr returns
// E_NOTIMPL). Returns the services' HRESULT: 0 (S_OK) when they took the name.
long SetAccessibleName(Window control, const CString& name);
// The accessible name of window `control` as assistive technology reads it (get_accName of
// its client object); empty when it has none.
CString AccessibleNameOf(Window control);

// The application: common controls and the per-monitor DPI awareness.
void InitApplication();
// The program file's name without its extension.
CString ProgramFileBaseName();
// True when the program's resources hold icon `iconId`.
bool HasIconResource(int iconId);
Window ActiveWindow();
// Makes `window` active again if it still exists, is shown and is not active.
void Reactivate(Window window);

// The wait cursor and the input it drops: `dropInput` tells, for each input message, whether
// to drop it now.
void BeginWaitCursor(std::function<bool()> dropInput);
void EndWaitCursor();
void PushArrowCursor();
void PopArrowCursor();
// Dispatches pending messages other than dropped input (paint, timers).
void PumpMessages();
int DroppedInput();

}  // namespace tqr417::fw::win32
