#pragma once
// What a .417 file can hold, so that import and set refuse a value the file would not give
// back as it was written, and the parsing of the values and entry labels a person types.

#include <optional>
#include <string>
#include <string_view>

#include "config/field_catalogue.h"

namespace tqr417::cli {

// An optional sign and decimal digits, the whole of `text`, whose value fits an int; anything
// else is no number.
std::optional<int> WholeNumber(std::string_view text);

// The entry number of a function table label, "F00" to "F99" (the letter in either case).
std::optional<int> ParseEntryLabel(std::string_view label);

// Why a .417 file could not hold `text` in the text field `field` and give it back
// unchanged, as the end of a sentence ("holds white space, ..."); empty when it can.
// A relay label is read back as one word, and the word "none" as no label; the Morse text
// is read back from its first character that is not white space to the end of its line, at
// most kMorseTextMaxChars of it; the PTT frequency is held as its whole number.
std::string WhyFileCannotHold(const FieldInfo& field, const std::string& text);

}  // namespace tqr417::cli
