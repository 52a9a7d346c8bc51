#pragma once
// The system's open and save choosers (comdlg32).

#include <optional>
#include <string>

#include "framework/c_string.h"
#include "framework/win_types.h"

namespace tqr417::fw {

// What the open or save chooser is asked for (the strings and flags of its OPENFILENAMEW):
// the filter list ("label\0pattern\0" entries, then another \0), the name it starts with,
// the extension it appends to a name typed without one, and the OFN_ flags.
struct FileChooserRequest {
  std::wstring filters;
  std::wstring initialFile;
  std::wstring defaultExt;
  DWORD flags = 0;
};
// The request for a chooser asked for with the arguments of ChooseFile: the save chooser asks
// before it replaces a file when `flags` hold OFN_OVERWRITEPROMPT; the open chooser takes a
// name whether its file exists or not.
FileChooserRequest ChooserRequest(bool open, const CString& defaultExt, const CString& initialName,
                                  DWORD flags, const CString& filter);
// The open or save chooser over `owner` (nullptr: the active window); the chosen path in
// UTF-8, nullopt when cancelled.
std::optional<CString> ChooseFile(HWND owner, bool open, const CString& defaultExt,
                                  const CString& initialName, DWORD flags, const CString& filter);

}  // namespace tqr417::fw
