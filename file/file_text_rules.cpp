#include "file/file_text_rules.h"

#include <algorithm>

#include "config/text_number.h"
#include "file/config_file_layout.h"
#include "file/text_scanner.h"

namespace tqr417 {

FileTextCheck WhyFileCannotHold(const FieldInfo& field, std::string_view text) {
  if (&field == &Field("relay")) {
    if (std::any_of(text.begin(), text.end(), IsFileWhiteSpace)) {
      const std::string spoils = "holds white space, which a configuration file cannot carry";
      return {spoils, spoils};
    }
    if (text == kNoRelayWord)
      return {"is the word a configuration file writes for no relay, so it would come back empty",
              ""};
  } else if (&field == &Field("morseText")) {
    std::string spoils;
    if (text.find_first_of("\r\n") != std::string_view::npos)
      spoils = "holds a line break, which a configuration file cannot carry";
    if (text.size() > static_cast<size_t>(kMorseTextMaxChars))
      return {"holds " + std::to_string(text.size()) + " characters; a configuration file keeps " +
                  std::to_string(kMorseTextMaxChars),
              spoils};
    if (!spoils.empty()) return {spoils, spoils};
    if (!text.empty() && IsFileWhiteSpace(text[0]))
      return {"begins with white space, which a configuration file does not keep", ""};
  } else if (&field == &Field("pttFrequency")) {
    const std::string held = DecimalText(AtoiValue(text));
    if (text != held)
      return {
          "is not the plain decimal text of a whole number; a configuration file holds it as "
          "the number " +
              held,
          ""};
  }
  return {};
}

}  // namespace tqr417
