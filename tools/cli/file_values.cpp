#include "tools/cli/file_values.h"

#include <climits>
#include <cstdint>

namespace tqr417::cli {

std::optional<int> WholeNumber(std::string_view text) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
  if (i == text.size()) return std::nullopt;
  const int64_t limit = negative ? -int64_t{INT_MIN} : int64_t{INT_MAX};
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace tqr417::cli
