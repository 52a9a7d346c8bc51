#pragma once
// Text at the edge of the Windows API (Windows builds only): the core speaks UTF-8, the
// windows' 8-bit text is Latin-1, and Windows file names, messages and controls are UTF-16.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tqr417 {

// The UTF-16 form of UTF-8 `text`; nothing when `text` is not valid UTF-8 (a file name that
// cannot be spelt must not open another file).
std::optional<std::wstring> WideFromUtf8(std::string_view text);
// The UTF-16 form of UTF-8 `text` to show: each invalid sequence becomes U+FFFD.
std::wstring ShownWideFromUtf8(std::string_view text);
// The UTF-8 form of UTF-16 `text`.
std::string Utf8FromWide(std::wstring_view text);

// Latin-1 bytes to UTF-16, byte for byte.
std::wstring WideFromLatin1(std::string_view text);
// UTF-16 to Latin-1; characters beyond Latin-1 become '?'.
std::string Latin1FromWide(std::wstring_view text);

// The UTF-8 form of each of the `count` wide `arguments` (a program's command line as
// CommandLineToArgvW splits it), in their order; an empty argument stays an empty string.
std::vector<std::string> Utf8FromWideArguments(int count, const wchar_t* const* arguments);

}  // namespace tqr417
