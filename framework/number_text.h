#pragma once
// Reading the number in a numeric edit field.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tqr417::fw {

// One optionally signed decimal integer with optional blanks (spaces, tabs) around it and
// nothing else. Empty text, fractions, trailing letters and values outside int32 give nullopt.
std::optional<std::int32_t> ParseSignedField(std::string_view text);

// The same for unsigned fields: a minus sign is refused, the range is 0 to 4294967295.
std::optional<std::uint32_t> ParseUnsignedField(std::string_view text);

}  // namespace tqr417::fw
