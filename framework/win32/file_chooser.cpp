#include "framework/win32/file_chooser.h"

#include "platform/wide_text.h"

namespace tqr417::fw {
namespace {

// GetOpenFileNameW or GetSaveFileNameW from comdlg32, which is loaded when the first chooser
// opens rather than with the program: with shell32 and the rest that it loads, it would
// lengthen every start for a window that most runs never open. nullptr when it cannot be had.
using ChooserFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);
ChooserFunction Chooser(bool open) {
  static const HMODULE library = LoadLibraryW(L"comdlg32.dll");
  if (library == nullptr) return nullptr;
  // Through the type that matches every function, as GetProcAddress's own type does not.
  using AnyFunction = void (*)();
  return reinterpret_cast<ChooserFunction>(reinterpret_cast<AnyFunction>(
      GetProcAddress(library, open ? "GetOpenFileNameW" : "GetSaveFileNameW")));
}

}  // namespace

FileChooserRequest ChooserRequest(bool open, const CString& defaultExt, const CString& initialName,
                                  DWORD flags, const CString& filter) {
  FileChooserRequest request;
  // The filter list: the caller's own, then the initial name's pattern ("*.417"), then all
  // files; each entry is "label\0pattern\0", the list ends with another \0.
  const auto add = [&request](const std::wstring& label, const std::wstring& pattern) {
    request.filters += label;
    request.filters.push_back(L'\0');
    request.filters += pattern;
    request.filters.push_back(L'\0');
  };
  const std::wstring initial = ShownWideFromUtf8(initialName.str());
  const bool pattern = initial.find_first_of(L"*?") != std::wstring::npos;
  if (!filter.IsEmpty()) add(WideFromLatin1(filter.str()), WideFromLatin1(filter.str()));
  if (pattern) {
    add(initial, initial);
  } else if (!defaultExt.IsEmpty()) {
    add(L"*." + WideFromLatin1(defaultExt.str()), L"*." + WideFromLatin1(defaultExt.str()));
  }
  add(L"All files (*.*)", L"*.*");
  request.filters.push_back(L'\0');

  if (!pattern) request.initialFile = initial;
  request.defaultExt = WideFromLatin1(defaultExt.str());
  // An open name need not exist (no OFN_FILEMUSTEXIST): the load reports a missing file.
  request.flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if ((flags & OFN_HIDEREADONLY) != 0) request.flags |= OFN_HIDEREADONLY;
  if (!open && (flags & OFN_OVERWRITEPROMPT) != 0) request.flags |= OFN_OVERWRITEPROMPT;
  return request;
}

std::optional<CString> ChooseFile(HWND owner, bool open, const CString& defaultExt,
                                  const CString& initialName, DWORD flags, const CString& filter) {
  const FileChooserRequest asked = ChooserRequest(open, defaultExt, initialName, flags, filter);
  std::wstring file(MAX_PATH * 4, L'\0');
  asked.initialFile.copy(file.data(), file.size() - 1);

  OPENFILENAMEW request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = owner != nullptr ? owner : GetActiveWindow();
  request.lpstrFilter = asked.filters.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrDefExt = asked.defaultExt.empty() ? nullptr : asked.defaultExt.c_str();
  request.Flags = asked.flags;
  const ChooserFunction choose = Chooser(open);
  if (choose == nullptr || choose(&request) == FALSE) return std::nullopt;
  file.resize(file.find(L'\0'));
  return Utf8FromWide(file);
}

}  // namespace tqr417::fw
