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

FileChooserRequest ChooserRequest(const FileRequest& request) {
  FileChooserRequest asked;
  // Each filter entry is "label\0pattern\0"; the list ends with another \0.
  const auto add = [&asked](const std::wstring& label, const std::wstring& pattern) {
    asked.filters += label + L'\0' + pattern + L'\0';
  };
  const ChooserOpening opening = OpeningOf(request);
  for (const std::string& pattern : opening.patterns) {
    add(ShownWideFromUtf8(pattern), ShownWideFromUtf8(pattern));
  }
  add(L"All files (*.*)", L"*.*");
  asked.filters.push_back(L'\0');

  asked.initialFile = ShownWideFromUtf8(opening.fileName);
  asked.defaultExt = ShownWideFromUtf8(request.defaultExt);
  // An open name need not exist (no OFN_FILEMUSTEXIST): the load reports a missing file.
  asked.flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if ((request.flags & OFN_HIDEREADONLY) != 0) asked.flags |= OFN_HIDEREADONLY;
  if (!request.open && (request.flags & OFN_OVERWRITEPROMPT) != 0) {
    asked.flags |= OFN_OVERWRITEPROMPT;
  }
  return asked;
}

std::optional<std::string> ChooseFile(HWND owner, const FileRequest& request) {
  const FileChooserRequest asked = ChooserRequest(request);
  std::wstring file(MAX_PATH * 4, L'\0');
  asked.initialFile.copy(file.data(), file.size() - 1);

  OPENFILENAMEW chooser{};
  chooser.lStructSize = sizeof(chooser);
  chooser.hwndOwner = owner != nullptr ? owner : GetActiveWindow();
  chooser.lpstrFilter = asked.filters.c_str();
  chooser.nFilterIndex = 1;
  chooser.lpstrFile = file.data();
  chooser.nMaxFile = static_cast<DWORD>(file.size());
  chooser.lpstrDefExt = asked.defaultExt.empty() ? nullptr : asked.defaultExt.c_str();
  chooser.Flags = asked.flags;
  const ChooserFunction choose = Chooser(request.open);
  if (choose == nullptr || choose(&chooser) == FALSE) return std::nullopt;
  file.resize(file.find(L'\0'));
  return Utf8FromWide(file);
}

}  // namespace tqr417::fw
