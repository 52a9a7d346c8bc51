#pragma once
// The system's open and save choosers (comdlg32).

#include <optional>
#include <string>

#include "framework/modal_runner.h"
#include "framework/win_types.h"

namespace tqr417::fw {

// The strings and flags of a chooser's OPENFILENAMEW.
struct FileChooserRequest {
  std::wstring filters;      // "label\0pattern\0" entries, then another \0
  std::wstring initialFile;  // the name it starts with
  std::wstring defaultExt;   // appended to a name typed without an extension
  DWORD flags = 0;           // OFN_
};
// What the chooser is given for `request`: the save chooser asks before it replaces a file
// when its flags hold OFN_OVERWRITEPROMPT; the open chooser takes a name whose file is missing.
FileChooserRequest ChooserRequest(const FileRequest& request);
// The open or save chooser over `owner` (nullptr: the active window); the chosen path in
// UTF-8, nullopt when cancelled.
std::optional<std::string> ChooseFile(HWND owner, const FileRequest& request);

}  // namespace tqr417::fw
