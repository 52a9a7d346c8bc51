#pragma once
// Text between the dialog layer and the wide-character Windows functions: a CString's bytes
// are Latin-1 characters, each one UTF-16 code unit of the same number; file paths are UTF-8.

#include <string>

#include "framework/c_string.h"
#include "framework/win_types.h"

namespace tqr417::fw {

// Latin-1 bytes to UTF-16, byte for byte.
std::wstring WideFromLatin1(const CString& text);
// UTF-16 to Latin-1; characters beyond Latin-1 become '?'.
CString Latin1FromWide(const std::wstring& text);
// UTF-8 to UTF-16; text that is not valid UTF-8 is read as Latin-1.
std::wstring WideFromUtf8OrLatin1(const CString& text);
// UTF-16 to UTF-8.
CString Utf8FromWide(const std::wstring& text);
// The text of a window (caption, edit text).
std::wstring WindowTextOf(HWND window);

}  // namespace tqr417::fw
