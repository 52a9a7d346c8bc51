#include "framework/c_string.h"

#include <cstring>

namespace {

char UpperAscii(char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}
char LowerAscii(char ch) {
  return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

int CompareBytes(const std::string& a, const char* b, bool foldCase) {
  const std::size_t bLength = std::strlen(b);
  const std::size_t common = a.size() < bLength ? a.size() : bLength;
  for (std::size_t i = 0; i < common; ++i) {
    char x = a[i];
    char y = b[i];
    if (foldCase) {
      x = LowerAscii(x);
      y = LowerAscii(y);
    }
    const auto ux = static_cast<unsigned char>(x);
    const auto uy = static_cast<unsigned char>(y);
    if (ux != uy) return ux < uy ? -1 : 1;
  }
  if (a.size() == bLength) return 0;
  return a.size() < bLength ? -1 : 1;
}

}  // namespace

CString::CString(const char* text) : text_(text == nullptr ? "" : text) {}
CString::CString(std::string text) : text_(std::move(text)) {}
CString::CString(std::string_view text) : text_(text) {}
CString::CString(char ch, int repeat)
    : text_(repeat > 0 ? static_cast<std::size_t>(repeat) : 0, ch) {}

CString& CString::MakeUpper() {
  for (char& ch : text_) ch = UpperAscii(ch);
  return *this;
}

CString& CString::MakeLower() {
  for (char& ch : text_) ch = LowerAscii(ch);
  return *this;
}

CString CString::Left(int count) const {
  if (count <= 0) return CString();
  return CString(text_.substr(0, static_cast<std::size_t>(count)));
}

CString CString::Mid(int first, int count) const {
  if (first < 0) first = 0;
  if (static_cast<std::size_t>(first) >= text_.size()) return CString();
  if (count < 0) return CString(text_.substr(static_cast<std::size_t>(first)));
  return CString(text_.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

int CString::Find(char ch, int start) const {
  if (start < 0) start = 0;
  const std::size_t found = text_.find(ch, static_cast<std::size_t>(start));
  return found == std::string::npos ? -1 : static_cast<int>(found);
}

int CString::Find(const char* text, int start) const {
  if (start < 0) start = 0;
  const std::size_t found =
      text_.find(text == nullptr ? "" : text, static_cast<std::size_t>(start));
  return found == std::string::npos ? -1 : static_cast<int>(found);
}

int CString::Compare(const char* other) const {
  return CompareBytes(text_, other == nullptr ? "" : other, false);
}

int CString::CompareNoCase(const char* other) const {
  return CompareBytes(text_, other == nullptr ? "" : other, true);
}

CString& CString::operator+=(const CString& more) {
  text_ += more.text_;
  return *this;
}

CString& CString::operator+=(const char* more) {
  if (more != nullptr) text_ += more;
  return *this;
}

CString& CString::operator+=(char ch) {
  text_ += ch;
  return *this;
}
