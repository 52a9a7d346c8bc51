#include <windows.h>

#include "platform/wide_text.h"

namespace tqr417 {
namespace {

// MultiByteToWideChar over all of `text` with `flags`; nothing when it refuses.
std::optional<std::wstring> Utf16(std::string_view text, DWORD flags) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, flags, text.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, flags, text.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::optional<std::wstring> WideFromUtf8(std::string_view text) {
  return Utf16(text, MB_ERR_INVALID_CHARS);
}

std::wstring ShownWideFromUtf8(std::string_view text) { return Utf16(text, 0).value_or(L""); }

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(length > 0 ? length : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::wstring WideFromLatin1(std::string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (const char byte : text)
    wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
  return wide;
}

std::string Latin1FromWide(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (const wchar_t ch : text) bytes.push_back(ch <= 0xFF ? static_cast<char>(ch) : '?');
  return bytes;
}

std::vector<std::string> Utf8FromWideArguments(int count, const wchar_t* const* arguments) {
  std::vector<std::string> utf8;
  utf8.reserve(count > 0 ? static_cast<size_t>(count) : 0);
  for (int i = 0; i < count; ++i) utf8.push_back(Utf8FromWide(arguments[i]));
  return utf8;
}

}  // namespace tqr417
