#include "framework/field_input.h"

namespace tqr417::fw {

bool MemberCanHold(char16_t unit) { return unit <= 0xFF; }

std::optional<std::u16string> KeptInput(std::u16string_view input, bool upperCase) {
  std::u16string kept;
  kept.reserve(input.size());
  for (char16_t unit : input) {
    if (unit == u'\r' || unit == u'\n') break;
    if (!MemberCanHold(unit)) continue;
    if (upperCase && unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
    kept.push_back(unit);
  }
  if (kept.empty()) return std::nullopt;
  return kept;
}

}  // namespace tqr417::fw
