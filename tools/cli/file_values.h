#pragma once
// The parsing of the whole numbers a person types.

#include <optional>
#include <string_view>

namespace tqr417::cli {

// An optional sign and decimal digits, the whole of `text`, whose value fits an int; anything
// else is no number.
std::optional<int> WholeNumber(std::string_view text);

}  // namespace tqr417::cli
