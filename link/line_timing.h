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

// The bytes written since the last read or wait, and when the first of them was written: the
// moment an answer wait may begin is that first write plus their line time.
class LineClock {
 public:
  using Clock = std::chrono::steady_clock;

  void Wrote(int bytes) {
    if (!sending_) {
      sending_ = true;
      start_ = Clock::now();
      bytes_ = 0;
    }
    bytes_ += bytes;
  }

  // Whether bytes were written since the last Reset.
  bool Sending() const { return sending_; }
  // When the last byte written has left the line at the earliest.
  Clock::time_point LineFree() const { return start_ + LineTime(bytes_); }
  void Reset() { sending_ = false; }

 private:
  bool sending_ = false;
  Clock::time_point start_;
  int bytes_ = 0;
};

}  // namespace tqr417
