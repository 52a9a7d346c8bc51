#pragma once
// Numbers as the configuration reads and writes them in text.

#include <string>
#include <string_view>

namespace tqr417 {

// Reads `text` the way the C library's atoi does: leading white space, an optional sign,
// decimal digits up to the first other character; no digits give 0. Unlike atoi it is
// defined for every input: a value beyond the int range saturates at INT_MIN or INT_MAX.
int AtoiValue(std::string_view text);

// Plain decimal text: a minus sign before a negative number, no leading zeros.
std::string DecimalText(int value);

}  // namespace tqr417
