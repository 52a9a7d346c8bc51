#pragma once
// The serial line to the TQR-417: 4800 baud, and every byte takes ten bit times on the wire
// (start bit, 8 data bits, stop bit), so the line carries 480 bytes a second.

#include <chrono>

namespace tqr417 {

inline constexpr int LINE_BAUD = 4800;
inline constexpr int LINE_BITS_PER_BYTE = 10;

// The time `bytes` bytes need on the line, to the microsecond (937 bytes: 1.952 s).
constexpr std::chrono::microseconds LineTime(int bytes) {
  return std::chrono::microseconds(int64_t{bytes} * LINE_BITS_PER_BYTE * 1'000'000 / LINE_BAUD);
}

}  // namespace tqr417
