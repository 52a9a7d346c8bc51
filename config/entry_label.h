#pragma once
// The three-character labels of function table entries and relays.

#include <optional>
#include <string>
#include <string_view>

namespace tqr417 {

// The letter, then '0' + n / 10, then '0' + n % 10 (truncating division). "F07", "R12";
// numbers from 100 give a character past '9' ("R:0"), negative ones one before '0'.
std::string FormatEntryLabel(int n, char letter);

// The entry number of a function table label as a person types it, "F00" to "F99" (the
// letter in either case); nothing for any other text.
std::optional<int> ParseEntryLabel(std::string_view label);

}  // namespace tqr417
