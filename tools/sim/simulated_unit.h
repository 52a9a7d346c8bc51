#pragma once
// SimulatedUnit: a TQR-417 on the master side of a pseudo-terminal, for tests and for
// technicians who want to try the application without hardware. The application opens
// DevicePath() as its serial port.
//
// The unit holds one configuration. CMD_SEND_CONFIG with a frame whose checksum matches is
// answered REPLY_ACCEPTED and the frame is kept (another byte otherwise); CMD_RECV_CONFIG is
// answered with the frame kept, so a value goes through the frame's conversions once per
// round trip, as with a real unit. Any other byte is
// logged and ignored. Requests are served on a thread of its own until Stop.
//
// At every request the unit checks the line settings the application set (4800 baud, 8N1,
// raw) and logs what differs. When the application closes the port, bytes it left unread
// are discarded, so a late answer cannot reach the next session. The line settings stay as
// the application left them, as a real port's do: changing them then could undo the set-up
// of a session that opened the port in the meantime.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "config/status.h"
#include "config/unit_config.h"
#include "link/config_frame.h"
#include "link/line_trace.h"
#include "tools/sim/pty_master.h"
#include "tools/sim/unit_behaviour.h"

namespace tqr417::sim {

using Clock = std::chrono::steady_clock;

// One request served, with the moments a caller can measure against.
struct Transaction {
  uint8_t command = 0;
  Clock::time_point commandAt;   // the command byte was read
  Clock::time_point lineEnd;     // the last byte received has left the line, by line time
  Clock::time_point lastSentAt;  // the unit's last byte was written (lineEnd when it sent none)
  int bytesReceived = 0;         // command byte included
  int bytesSent = 0;
  std::string lineProblem;  // empty when the line was 4800 baud, 8N1, raw
  std::string log;          // the transaction's log line
};

class SimulatedUnit {
 public:
  using LogSink = std::function<void(const std::string&)>;

  explicit SimulatedUnit(UnitConfig held, UnitBehaviour behaviour = {}, LogSink log = {});
  ~SimulatedUnit();
  SimulatedUnit(const SimulatedUnit&) = delete;
  SimulatedUnit& operator=(const SimulatedUnit&) = delete;

  // Creates the pseudo-terminal and starts serving.
  Status Start();
  // Stops serving, at once even in the middle of a transfer, and closes the pseudo-terminal.
  void Stop();

  const std::string& DevicePath() const { return pty_.SlavePath(); }

  // Traces what goes over the line, from the unit's side, to `trace` (which must outlive the
  // unit); call before Start. A session's opening is traced at its first byte, with the line
  // settings the application set, and its close when the application has closed the port.
  void TraceTo(LineTrace* trace) { trace_ = trace; }

  UnitConfig Held() const;
  void SetBehaviour(const UnitBehaviour& behaviour);

  std::vector<Transaction> Transactions() const;
  // Waits until `count` requests have been served in all; false when the time ran out.
  bool WaitForTransactions(size_t count, std::chrono::milliseconds timeout) const;

 private:
  void Serve();
  Transaction ServeOne(uint8_t command, Clock::time_point commandAt);
  void ServeUpload(Transaction& t, const UnitBehaviour& behaviour);
  void ServeDownload(Transaction& t, const UnitBehaviour& behaviour);
  // Reads up to `count` bytes, each within `gap` of the previous; returns how many came.
  int ReadBytes(uint8_t* into, int count, std::chrono::milliseconds gap);
  // Writes all of `bytes`; false when stopping or the port went away.
  bool WriteAll(const uint8_t* bytes, int count);
  // Sleeps until `when`; false when Stop interrupted the wait.
  bool SleepUntil(Clock::time_point when);
  bool Stopping() const;
  void DiscardUnread();
  // Traces the opening of a session at its first byte, and its close.
  void TraceOpened();
  void TraceClosed();
  void Trace(TraceDirection direction, const uint8_t* bytes, int count);
  void Record(Transaction t);

  PtyMaster pty_;
  int stopPipe_[2] = {-1, -1};
  std::thread thread_;
  LogSink log_;
  LineTrace* trace_ = nullptr;  // used by the serving thread only

  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  bool stopping_ = false;
  UnitConfig held_;
  // What a download sends: the frame of the last upload kept, byte for byte, as a real unit
  // keeps the carried values (9830, not 1200 Hz); before any upload, held_ encoded.
  ConfigFrame heldFrame_;
  UnitBehaviour behaviour_;
  std::vector<Transaction> transactions_;
};

}  // namespace tqr417::sim
