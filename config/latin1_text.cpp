#include "config/latin1_text.h"

namespace tqr417 {

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string utf8;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

std::string Utf8ToLatin1(std::string_view utf8, uint32_t& beyond) {
  std::string bytes;
  beyond = 0;
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length && i + k < utf8.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    if (code > 0xFF) {
      beyond = code;
      return {};
    }
    bytes += static_cast<char>(code);
    i += length;
  }
  return bytes;
}

}  // namespace tqr417
