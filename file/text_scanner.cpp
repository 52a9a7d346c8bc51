#include "file/text_scanner.h"

namespace tqr417 {

void TextScanner::Advance() {
  const char c = text_[at_++];
  // A CR followed by LF is counted at the LF.
  if (c == '\n' || (c == '\r' && (AtEnd() || text_[at_] != '\n'))) ++line_;
}

void TextScanner::SkipWhiteSpace() {
  while (!AtEnd() && IsFileWhiteSpace(text_[at_])) Advance();
}

std::string_view TextScanner::NextWord() {
  const size_t start = at_;
  while (!AtEnd() && !IsFileWhiteSpace(text_[at_])) ++at_;
  return text_.substr(start, at_ - start);
}

std::string_view TextScanner::RestOfLine() {
  const size_t start = at_;
  while (!AtEnd() && text_[at_] != '\r' && text_[at_] != '\n') ++at_;
  return text_.substr(start, at_ - start);
}

}  // namespace tqr417
