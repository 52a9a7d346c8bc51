#include "link/traced_channel.h"

#include <utility>

#include "link/unit_protocol.h"

namespace tqr417 {

TracedChannel::TracedChannel(std::unique_ptr<ByteChannel> inner, LineTrace& trace)
    : inner_(std::move(inner)), trace_(trace) {
  const std::string description = inner_->Description();
  trace_.PortOpened(description.empty() ? "the port" : description);
}

TracedChannel::~TracedChannel() {
  inner_.reset();
  trace_.Closed();
}

bool TracedChannel::NoteFailure() {
  if (inner_->LineWorks()) return true;
  if (LineWorks()) {
    trace_.Failed(inner_->LineFailure().message());
    Fail(inner_->LineFailure());
  }
  return false;
}

uint16_t TracedChannel::ReadByte() {
  const LineTrace::Clock::time_point start = LineTrace::Clock::now();
  const uint16_t byte = inner_->ReadByte();
  if (byte != NO_DATA) {
    const uint8_t received = static_cast<uint8_t>(byte);
    if (uploading_) {
      trace_.Answer(received);
    } else {
      trace_.Bytes(TraceDirection::kReceived, std::span<const uint8_t>(&received, 1));
    }
  } else if (NoteFailure()) {
    trace_.TimedOut(LineTrace::Clock::now() - start);
  }
  return byte;
}

bool TracedChannel::Write(std::span<const uint8_t> bytes) {
  if (!anySent_ && !bytes.empty()) {
    anySent_ = true;
    uploading_ = bytes.front() == CMD_SEND_CONFIG;
  }
  // Traced once the channel has taken them, from the moment the write began; a write that
  // fails is traced as the failure.
  const LineTrace::Clock::time_point start = LineTrace::Clock::now();
  const bool written = inner_->Write(bytes);
  if (written) trace_.Bytes(TraceDirection::kSent, bytes, true, start);
  NoteFailure();
  return written;
}

bool TracedChannel::WaitUntilSent() {
  const bool sent = inner_->WaitUntilSent();
  NoteFailure();
  return sent;
}

OpenedPort TracingPortOpener::Open(ComPort port, int outputQueueSize) {
  OpenedPort opened = inner_.Open(port, outputQueueSize);
  if (!opened.channel) {
    trace_.Failed(opened.status.message());
    return opened;
  }
  opened.channel = std::make_unique<TracedChannel>(std::move(opened.channel), trace_);
  return opened;
}

}  // namespace tqr417
