#pragma once
// ByteChannel: the byte stream between the application and a TQR-417, as the transfers see
// it. SerialLink is the real one; tests put a scripted in-memory channel in its place.
//
// Reads wait at most READ_TIMEOUT_MS for a byte: a byte already queued returns at once, else
// the first byte that arrives returns at once, else the read gives NO_DATA. Writes block until
// the channel has taken every byte and report nothing: a write that fails shows only later,
// as a missing or wrong answer from the unit.

#include <cstdint>
#include <span>

namespace tqr417 {

// The result of a read that got nothing. A data byte 0xFF reads as 255 and stays distinct;
// a received word 0xFFFF is the same value, since a word has no spare value.
inline constexpr uint16_t NO_DATA = 0xFFFF;

inline constexpr int READ_TIMEOUT_MS = 100;

class ByteChannel {
 public:
  virtual ~ByteChannel() = default;

  // One byte, 0 to 255, or NO_DATA when none came within READ_TIMEOUT_MS.
  virtual uint16_t ReadByte() = 0;

  // Blocks until the channel has taken all of `bytes`.
  virtual void Write(std::span<const uint8_t> bytes) = 0;

  // Blocks until every byte written since the last read or the last WaitUntilSent has left
  // the line: the port has drained and the line time those bytes need has passed since the
  // first of them was written. Only then can the wait for a unit's answer begin.
  virtual void WaitUntilSent() = 0;

  // High byte, then low byte: high x 256 + low, or NO_DATA when either is missing. When the
  // high byte is missing the low byte is not attempted.
  uint16_t ReadWord();

  // The low 8 bits of `value`, as one write.
  void WriteByte(int value);

  // The low 16 bits of `value`, high byte first, as one 2-byte write (-40 is 0xFF 0xD8).
  void WriteWord(int value);
};

}  // namespace tqr417
