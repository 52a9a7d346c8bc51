#pragma once
// A serial line with a trace: TracedChannel passes every read, write and wait on to the
// channel it wraps and tells the LineTrace what went over the line; TracingPortOpener opens
// ports through another opener and wraps each in a TracedChannel. The trace adds a clock
// reading per call and a write to the trace file per line of the trace, nothing per byte.
//
// After an opening whose first byte sent is CMD_SEND_CONFIG, a byte read is the unit's
// answer and is traced as such.

#include <memory>

#include "link/byte_channel.h"
#include "link/line_trace.h"
#include "link/port_opener.h"

namespace tqr417 {

class TracedChannel : public ByteChannel {
 public:
  // Traces the opening of `inner` at once.
  TracedChannel(std::unique_ptr<ByteChannel> inner, LineTrace& trace);
  // Closes `inner`, then traces the close.
  ~TracedChannel() override;
  TracedChannel(const TracedChannel&) = delete;
  TracedChannel& operator=(const TracedChannel&) = delete;

  uint16_t ReadByte() override;
  bool Write(std::span<const uint8_t> bytes) override;
  bool WaitUntilSent() override;
  std::string Description() const override { return inner_->Description(); }

 private:
  // Takes over and traces the line's first failure, once. Returns the line's state.
  bool NoteFailure();

  std::unique_ptr<ByteChannel> inner_;
  LineTrace& trace_;
  bool anySent_ = false;
  bool uploading_ = false;
};

class TracingPortOpener : public PortOpener {
 public:
  TracingPortOpener(PortOpener& inner, LineTrace& trace) : inner_(inner), trace_(trace) {}

  // A port that does not open is traced as a failure with its reason.
  OpenedPort Open(ComPort port, int outputQueueSize) override;
  std::string PortLabel(ComPort port) const override { return inner_.PortLabel(port); }

 private:
  PortOpener& inner_;
  LineTrace& trace_;
};

}  // namespace tqr417
