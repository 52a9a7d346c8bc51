#include "tools/cli/file_values.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "config/text_number.h"
#include "file/text_scanner.h"

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

std::optional<int> ParseEntryLabel(std::string_view label) {
  if (label.size() != 3 || (label[0] != 'F' && label[0] != 'f')) return std::nullopt;
  if (label[1] < '0' || label[1] > '9' || label[2] < '0' || label[2] > '9') return std::nullopt;
  return (label[1] - '0') * 10 + (label[2] - '0');
}

std::string WhyFileCannotHold(const FieldInfo& field, const std::string& text) {
  if (&field == &Field("relay")) {
    if (std::any_of(text.begin(), text.end(), IsFileWhiteSpace))
      return "holds white space, which a relay label in a configuration file cannot carry";
    if (text == "none")
      return "is the word a configuration file writes for no relay, so it would come back empty";
  } else if (&field == &Field("morseText")) {
    if (text.size() > static_cast<size_t>(kMorseTextMaxChars))
      return "holds " + std::to_string(text.size()) + " characters; a configuration file keeps " +
             std::to_string(kMorseTextMaxChars);
    if (text.find_first_of("\r\n") != std::string::npos)
      return "holds a line break, which a configuration file cannot carry";
    if (!text.empty() && IsFileWhiteSpace(text[0]))
      return "begins with white space, which a configuration file does not keep";
  } else if (&field == &Field("pttFrequency")) {
    const std::string held = DecimalText(AtoiValue(text));
    if (text != held)
      return "is not the plain decimal text of a whole number; a configuration file holds it as "
             "the number " +
             held;
  }
  return {};
}

}  // namespace tqr417::cli
