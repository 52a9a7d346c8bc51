#pragma once
// Reads a configuration file's text word by word, the way the C library's scanf reads with
// "%d" and "%s": white space before a value is skipped, a word runs to the next white space.
// It keeps the number of the line it stands on, for messages.

#include <cstddef>
#include <string_view>

namespace tqr417 {

// Blank, tab, CR, LF, vertical tab and form feed: what the C library's isspace accepts in
// the "C" locale, and so what separates values in a configuration file.
constexpr bool IsFileWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

class TextScanner {
 public:
  explicit TextScanner(std::string_view text) : text_(text) {}

  // Moves past any white space, line ends and empty lines included.
  void SkipWhiteSpace();

  bool AtEnd() const { return at_ == text_.size(); }

  // The characters up to the next white space or the end of the text; empty at the end.
  std::string_view NextWord();

  // The characters up to the end of the current line, without its line end (CR LF, LF or CR),
  // which is left unread.
  std::string_view RestOfLine();

  // The line the reading position stands on, counted from 1. LF, CR LF and a CR alone each
  // end a line.
  int line() const { return line_; }

 private:
  void Advance();

  std::string_view text_;
  size_t at_ = 0;
  int line_ = 1;
};

}  // namespace tqr417
