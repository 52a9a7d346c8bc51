#include "framework/field_input.h"

#include <algorithm>

namespace tqr417::fw {

bool MemberCanHold(char16_t unit) { return unit <= 0xFF; }

std::u16string_view FirstLine(std::u16string_view text) {
  return text.substr(0, std::min(text.find(u'\r'), text.find(u'\n')));
}

std::optional<std::u16string> KeptInput(std::u16string_view input, bool upperCase) {
  std::u16string kept;
  kept.reserve(input.size());
  for (char16_t unit : input) {
    if (!MemberCanHold(unit)) continue;
    if (upperCase && unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
    kept.push_back(unit);
  }
  if (kept.empty()) return std::nullopt;
  return kept;
}

}  // namespace tqr417::fw
