#pragma once
// The seam through which every modal run goes: dialogs, message boxes, file choosers and the
// system menu stand-in. Production uses the toolkit's runner (real windows, see
// framework/toolkit.h); tests install a tqr417::fw::ScriptedRunner
// (framework/testing/scripted_runner.h).

#include <optional>
#include <string>
#include <vector>

#include "framework/c_string.h"
#include "framework/toolkit.h"
#include "framework/win_types.h"

class CDialog;
class CMenu;

namespace tqr417::fw {

// How a message's bytes are to be read: the 8-bit text of the windows and the configuration
// (Latin-1, byte for byte), or text that names files and devices as the file system spells
// them (UTF-8).
enum class TextEncoding { kLatin1, kUtf8 };

struct MessageRequest {
  std::string text;   // in `encoding`
  UINT type = MB_OK;  // buttons | icon
  CString caption;    // always the application's name
  TextEncoding encoding = TextEncoding::kLatin1;
};

// A file chooser's request. Its names and patterns are UTF-8, as the file system spells them.
struct FileRequest {
  bool open = true;
  std::string defaultExt;   // without the dot, e.g. "417"
  std::string initialName;  // "*.417": a pattern is the filter shown; else the name offered
  DWORD flags = 0;          // OFN_ flags
  std::string filter;       // an extra pattern listed first, usually empty
};

// What a chooser shows as it opens, on every toolkit alike.
struct ChooserOpening {
  // The patterns listed before all files: the request's filter, then its initial name when
  // that is a pattern, else "*.<defaultExt>".
  std::vector<std::string> patterns;
  std::string fileName;  // the initial name unless it is a pattern
};
ChooserOpening OpeningOf(const FileRequest& request);

class ModalRunner {
 public:
  virtual ~ModalRunner() = default;

  // Makes the dialog's window and runs it modally; returns the code it ended with, -1 when
  // no window could be made. By default the window is made by CDialog::Create and run by
  // RunDialog; a toolkit whose system makes and runs modal windows itself overrides this.
  virtual int RunModal(CDialog& dialog);
  // Runs a created, initialised dialog modally; returns the code it ended with.
  virtual int RunDialog(CDialog& dialog) = 0;
  // `owner` is the dialog that the box, chooser or menu belongs to: the innermost dialog
  // running modally, or the one that opens its system menu; nullptr: the active window.
  // Shows a message box; returns IDOK, IDYES or IDNO.
  virtual int ShowMessage(const MessageRequest& request, CDialog* owner) = 0;
  // Runs a file chooser; returns the chosen path as the file system spells it (UTF-8), nullopt
  // when cancelled.
  virtual std::optional<std::string> ChooseFile(const FileRequest& request, CDialog* owner) = 0;
  // Opens a popup menu at `globalPos`; returns the chosen command, 0 when none.
  virtual UINT TrackMenu(const CMenu& menu, CDialog* owner, const ScreenPoint& globalPos) = 0;
};

// The runner in use; the production runner unless a test installed another.
ModalRunner& CurrentModalRunner();
// Installs `runner` (nullptr: the production runner); returns the one it replaces.
ModalRunner* SetModalRunner(ModalRunner* runner);

// Installs a runner for its lifetime.
class ScopedModalRunner {
 public:
  explicit ScopedModalRunner(ModalRunner& runner) : previous_(SetModalRunner(&runner)) {}
  ~ScopedModalRunner() { SetModalRunner(previous_); }
  ScopedModalRunner(const ScopedModalRunner&) = delete;
  ScopedModalRunner& operator=(const ScopedModalRunner&) = delete;

 private:
  ModalRunner* previous_;
};

// The dialog that modal runs started now belong to: the innermost dialog running modally;
// nullptr when none runs (the toolkit then uses the active window).
CDialog* ModalOwner();

}  // namespace tqr417::fw
