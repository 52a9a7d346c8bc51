#pragma once
// The configuration's texts are 8-bit: each byte is the Latin-1 character of the same number.
// These convert them to and from UTF-8 for what speaks Unicode (JSON, the terminal).

#include <cstdint>
#include <string>
#include <string_view>

namespace tqr417 {

// Each byte as the Unicode character of the same number, in UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);

// The reverse of Latin1ToUtf8 for text already checked to be UTF-8. A character past U+00FF
// has no byte: its number is returned in `beyond` and the result is empty.
std::string Utf8ToLatin1(std::string_view utf8, uint32_t& beyond);

}  // namespace tqr417
