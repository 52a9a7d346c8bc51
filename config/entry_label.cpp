#include "config/entry_label.h"

namespace tqr417 {

std::string FormatEntryLabel(int n, char letter) {
  return {letter, static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

}  // namespace tqr417
