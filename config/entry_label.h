#pragma once
// The three-character labels of function table entries and relays.

#include <string>

namespace tqr417 {

// The letter, then '0' + n / 10, then '0' + n % 10 (truncating division). "F07", "R12";
// numbers from 100 give a character past '9' ("R:0"), negative ones one before '0'.
std::string FormatEntryLabel(int n, char letter);

}  // namespace tqr417
