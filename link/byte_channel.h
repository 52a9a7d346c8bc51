#pragma once
// ByteChannel: the byte stream between the application and a TQR-417, as the transfers see
// it. SerialLink is the real one; tests put a scripted in-memory channel in its place.
//
// Reads wait at most READ_TIMEOUT_MS for a byte: a byte already queued returns at once, else
// the first byte that arrives returns at once, else the read gives NO_DATA. Writes block until
// the channel has taken every byte.
//
// A line can fail: a write the port refuses, a device that hangs up or reports an error (a
// USB adapter pulled out). The channel keeps the first failure (LineFailure) and from then on
// every write and wait returns false at once and every read gives NO_DATA at once, so a
// transfer ends as soon as the line fails instead of running out its time-outs.

#include <cstdint>
#include <span>
#include <string>

#include "config/status.h"

namespace tqr417 {

// The result of a read that got nothing. A data byte 0xFF reads as 255 and stays distinct;
// a received word 0xFFFF is the same value, since a word has no spare value.
inline constexpr uint16_t NO_DATA = 0xFFFF;

inline constexpr int READ_TIMEOUT_MS = 100;

class ByteChannel {
 public:
  virtual ~ByteChannel() = default;

  // One byte, 0 to 255, or NO_DATA when none came within READ_TIMEOUT_MS or the line has
  // failed (at once then).
  virtual uint16_t ReadByte() = 0;

  // Blocks until the channel has taken all of `bytes`. False when the line has failed, now
  // or before; the bytes may then be lost in part.
  virtual bool Write(std::span<const uint8_t> bytes) = 0;

  // Blocks until every byte written since the last read or the last WaitUntilSent has left
  // the line: the port has drained and the line time those bytes need has passed since the
  // first of them was written. Only then can the wait for a unit's answer begin. Ends early,
  // returning false, when the line fails meanwhile.
  virtual bool WaitUntilSent() = 0;

  // The port and its line settings as read back from it, for a trace of the line, e.g.
  // "Com1 (/dev/ttyUSB0): 4800 baud, 8 data bits, no parity, 1 stop bit, raw"; empty for a
  // channel that is no port.
  virtual std::string Description() const { return {}; }

  // The first failure of the line, ok while it works. Its message names the port and device
  // and says what happened, e.g. "Com1 (/dev/ttyUSB0): the device was disconnected".
  const Status& LineFailure() const { return failure_; }
  bool LineWorks() const { return failure_.ok(); }

  // High byte, then low byte: high x 256 + low, or NO_DATA when either is missing. When the
  // high byte is missing the low byte is not attempted.
  uint16_t ReadWord();

  // The low 8 bits of `value`, as one write. False when the line has failed.
  bool WriteByte(int value);

  // The low 16 bits of `value`, high byte first, as one 2-byte write (-40 is 0xFF 0xD8).
  // False when the line has failed.
  bool WriteWord(int value);

 protected:
  // Records a failure of the line; only the first one is kept. Returns false, for callers
  // that report the failure as their result.
  bool Fail(Status failure);
  // Starts afresh, for a channel opened again after a failure.
  void ForgetFailure() { failure_ = Status::Ok(); }

 private:
  Status failure_;
};

}  // namespace tqr417
