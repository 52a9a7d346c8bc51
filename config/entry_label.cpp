#include "config/entry_label.h"

namespace tqr417 {

std::string FormatEntryLabel(int n, char letter) {
  return {letter, static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

std::optional<int> ParseEntryLabel(std::string_view label) {
  if (label.size() != 3 || (label[0] != 'F' && label[0] != 'f')) return std::nullopt;
  if (label[1] < '0' || label[1] > '9' || label[2] < '0' || label[2] > '9') return std::nullopt;
  return (label[1] - '0') * 10 + (label[2] - '0');
}

}  // namespace tqr417
