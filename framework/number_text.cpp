#include "framework/number_text.h"

#include <limits>

namespace tqr417::fw {
namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

struct Reading {
  bool negative = false;
  std::uint64_t magnitude = 0;
};

// Blanks, an optional sign, at least one digit, blanks, and nothing else. Stops accumulating
// beyond `limit` so that a long run of digits cannot wrap around.
std::optional<Reading> Read(std::string_view text, std::uint64_t limit) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  Reading reading;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    reading.negative = text[i] == '-';
    ++i;
  }
  const std::size_t firstDigit = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    reading.magnitude = reading.magnitude * 10 + static_cast<std::uint64_t>(text[i] - '0');
    if (reading.magnitude > limit) return std::nullopt;
    ++i;
  }
  if (i == firstDigit) return std::nullopt;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i != text.size()) return std::nullopt;
  return reading;
}

}  // namespace

std::optional<std::int32_t> ParseSignedField(std::string_view text) {
  constexpr std::uint64_t kMaxMagnitude =
      static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
  const auto reading = Read(text, kMaxMagnitude);
  if (!reading) return std::nullopt;
  if (reading->negative)
    return static_cast<std::int32_t>(-static_cast<std::int64_t>(reading->magnitude));
  if (reading->magnitude == kMaxMagnitude) return std::nullopt;
  return static_cast<std::int32_t>(reading->magnitude);
}

std::optional<std::uint32_t> ParseUnsignedField(std::string_view text) {
  const auto reading = Read(text, std::numeric_limits<std::uint32_t>::max());
  if (!reading || reading->negative) return std::nullopt;
  return static_cast<std::uint32_t>(reading->magnitude);
}

}  // namespace tqr417::fw
