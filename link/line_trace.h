#pragma once
// LineTrace: what went over the serial line during transfers, one text line per event, each
// written and flushed as it happens, so that a trace cut short by a crash or a pulled cable
// keeps what happened up to then. The companion writes it from the application's side
// (TracedChannel), the simulated unit from the unit's side, in the same format:
//
//   TIME EVENT DETAILS
//
// TIME is in milliseconds since the port was opened, with three decimals, right-aligned in ten
// columns (before the first opening: since the trace began). EVENT is one of
//
//   open     PORT: SETTINGS         the port opened; its line settings as read back from it
//   sent     OFFSET: HEX            bytes this side wrote, at most 16 a line
//   recv     OFFSET: HEX            bytes this side read, at most 16 a line
//   timeout  OFFSET: nothing within MS ms   a read that got nothing
//   answer   HEX (accepted|not accepted)    the unit's answer to an upload
//   failed   REASON                 the port could not be opened, or the line failed
//   close                           the port was closed
//   result   TEXT                   how the transfer ended, in the application's words
//
// OFFSET counts the bytes of one direction from 0 at the opening, four decimal digits; HEX is
// two upper-case digits a byte, separated by blanks. The application's writes each begin a
// line; bytes that come one at a time are gathered into lines of 16. A line is written when it
// is full or when any other event comes, so a trace cut short lacks at most its last 15 bytes.
// Writing a line costs one write to the file, whatever its bytes.

#include <chrono>
#include <cstdint>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "config/status.h"

namespace tqr417 {

enum class TraceDirection { kSent, kReceived };

class LineTrace {
 public:
  using Clock = std::chrono::steady_clock;

  LineTrace();
  ~LineTrace();
  LineTrace(const LineTrace&) = delete;
  LineTrace& operator=(const LineTrace&) = delete;

  // Creates the file at `path` (UTF-8), or empties it. On failure (kIoError) the message names
  // the file and the reason, and nothing is traced.
  Status Open(const std::string& path);
  bool IsOpen() const { return file_.is_open(); }

  // `port` names the port and its line settings, e.g. "Com1 (/dev/ttyUSB0): 4800 baud, ...".
  // Restarts the clock and the offsets.
  void PortOpened(const std::string& port);
  // Bytes that went over the line, the first of them `at` that moment. Consecutive bytes of
  // one direction share lines, unless `ownLine` starts them on a line of their own (a write of
  // several bytes at once).
  void Bytes(TraceDirection direction, std::span<const uint8_t> bytes, bool ownLine = false,
             Clock::time_point at = Clock::now());
  void TimedOut(Clock::duration waited);
  void Answer(uint8_t byte);
  void Failed(const std::string& reason);
  void Closed();
  void Result(const std::string& text);

  // Ok while every line has reached the file; else why the trace is incomplete, naming the
  // file. Once a line fails nothing more is written.
  const Status& WriteFailure() const { return writeFailure_; }

 private:
  struct Run {
    TraceDirection direction;
    int offset;
    Clock::time_point at;
    std::vector<uint8_t> bytes;
  };

  void WritePending();
  void WriteLine(Clock::time_point at, const char* event, const std::string& details);

  std::string path_;
  std::ofstream file_;
  Clock::time_point start_;
  int offsets_[2] = {0, 0};     // next offset, by direction
  std::optional<Run> pending_;  // bytes of a line not yet full
  Status writeFailure_;
};

}  // namespace tqr417
