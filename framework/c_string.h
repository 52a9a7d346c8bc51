#pragma once
// CString: a text of 8-bit characters, byte for byte.
//
// Every byte value survives a round trip through the widgets: the toolkit shows each byte as
// the Latin-1 character with that number.

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

class CString {
 public:
  CString() = default;
  CString(const char* text);       // NOLINT(google-explicit-constructor): texts convert freely
  CString(std::string text);       // NOLINT(google-explicit-constructor)
  CString(std::string_view text);  // NOLINT(google-explicit-constructor)
  CString(char ch, int repeat = 1);

  const std::string& str() const { return text_; }
  const char* GetString() const { return text_.c_str(); }
  operator const char*() const { return text_.c_str(); }  // NOLINT: used like a C string

  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }
  char GetAt(int index) const { return text_.at(static_cast<std::size_t>(index)); }

  // Letters a to z become A to Z (MakeUpper) or the other way round; other bytes stay.
  CString& MakeUpper();
  CString& MakeLower();

  // The first `count` characters; the characters from `first`, `count` of them or to the end.
  CString Left(int count) const;
  CString Mid(int first, int count = -1) const;
  // Index of the first occurrence at or after `start`, or -1.
  int Find(char ch, int start = 0) const;
  int Find(const char* text, int start = 0) const;

  // <0, 0 or >0 like strcmp (bytes compared as unsigned); CompareNoCase folds a-z only.
  int Compare(const char* other) const;
  int CompareNoCase(const char* other) const;

  CString& operator+=(const CString& more);
  CString& operator+=(const char* more);
  CString& operator+=(char ch);

  friend bool operator==(const CString& a, const CString& b) { return a.text_ == b.text_; }
  friend bool operator==(const CString& a, const char* b) { return a.text_ == b; }
  friend bool operator==(const CString& a, const std::string& b) { return a.text_ == b; }
  friend std::strong_ordering operator<=>(const CString& a, const CString& b) {
    return a.text_ <=> b.text_;
  }

  friend CString operator+(CString a, const CString& b) { return a += b; }
  friend CString operator+(CString a, const char* b) { return a += b; }
  friend CString operator+(const char* a, const CString& b) { return CString(a) += b; }
  friend CString operator+(CString a, char b) { return a += b; }

 private:
  std::string text_;
};
