#include "framework/win32/win32_text.h"

namespace tqr417::fw {

std::wstring WideFromLatin1(const CString& text) {
  std::wstring wide;
  wide.reserve(text.str().size());
  for (const char byte : text.str())
    wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
  return wide;
}

CString Latin1FromWide(const std::wstring& text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (const wchar_t ch : text) bytes.push_back(ch <= 0xFF ? static_cast<char>(ch) : '?');
  return CString(bytes);
}

std::wstring WideFromUtf8OrLatin1(const CString& text) {
  if (text.IsEmpty()) return std::wstring();
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.GetString(),
                                         text.GetLength(), nullptr, 0);
  if (length <= 0) return WideFromLatin1(text);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.GetString(), text.GetLength(),
                      wide.data(), length);
  return wide;
}

CString Utf8FromWide(const std::wstring& text) {
  if (text.empty()) return CString();
  const int wideLength = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, bytes.data(), length, nullptr, nullptr);
  return CString(bytes);
}

std::wstring WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

}  // namespace tqr417::fw
