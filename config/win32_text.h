#pragma once
// Text at the edge of the Windows API (Windows builds only): the core speaks UTF-8, Windows
// file names and messages are UTF-16.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tqr417 {

// The UTF-16 form of UTF-8 `text`; nothing when `text` is not valid UTF-8.
std::optional<std::wstring> WideFromUtf8(std::string_view text);

// The UTF-8 form of UTF-16 `text`.
std::string Utf8FromWide(std::wstring_view text);

// The UTF-8 form of each of the `count` wide `arguments` (a program's command line as
// CommandLineToArgvW splits it), in their order; an empty argument stays an empty string.
std::vector<std::string> Utf8FromWideArguments(int count, const wchar_t* const* arguments);

// The system's sentence for a GetLastError code, without its closing full stop and line end,
// or "error N" when the system has none.
std::string SystemErrorText(unsigned long code);

}  // namespace tqr417
