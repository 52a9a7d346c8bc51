#include "link/line_trace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "link/unit_protocol.h"

namespace tqr417 {

namespace {

constexpr size_t kBytesPerLine = 16;

int Index(TraceDirection direction) { return direction == TraceDirection::kSent ? 0 : 1; }

std::string Hex(std::span<const uint8_t> bytes) {
  std::string text;
  char digits[4];
  for (const uint8_t byte : bytes) {
    std::snprintf(digits, sizeof digits, text.empty() ? "%02X" : " %02X", byte);
    text += digits;
  }
  return text;
}

std::string Offset(int offset) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d", offset);
  return text;
}

// A path given in UTF-8, as the file system takes it (wide on Windows).
std::filesystem::path FromUtf8(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

}  // namespace

LineTrace::LineTrace() : start_(Clock::now()) {}

LineTrace::~LineTrace() { WritePending(); }

Status LineTrace::Open(const std::string& path) {
  path_ = path;
  std::error_code ignored;
  const bool folder = std::filesystem::is_directory(FromUtf8(path), ignored);
  errno = 0;
  if (!folder) file_.open(FromUtf8(path), std::ios::binary | std::ios::trunc);
  if (!file_.is_open()) {
    const int reason = folder ? EISDIR : errno != 0 ? errno : EIO;
    return Status::Error(StatusCode::kIoError,
                         "Cannot write the trace file \"" + path + "\": " + std::strerror(reason),
                         reason);
  }
  start_ = Clock::now();
  return Status::Ok();
}

void LineTrace::PortOpened(const std::string& port) {
  WritePending();
  start_ = Clock::now();
  offsets_[0] = offsets_[1] = 0;
  WriteLine(start_, "open", port);
}

void LineTrace::Bytes(TraceDirection direction, std::span<const uint8_t> bytes, bool ownLine,
                      Clock::time_point at) {
  if (ownLine) WritePending();
  for (const uint8_t byte : bytes) {
    if (pending_ && pending_->direction != direction) WritePending();
    if (!pending_) pending_ = Run{direction, offsets_[Index(direction)], at, {}};
    pending_->bytes.push_back(byte);
    ++offsets_[Index(direction)];
    if (pending_->bytes.size() == kBytesPerLine) WritePending();
  }
}

void LineTrace::TimedOut(Clock::duration waited) {
  WritePending();
  char details[64];
  std::snprintf(details, sizeof details, "%s: nothing within %.1f ms",
                Offset(offsets_[Index(TraceDirection::kReceived)]).c_str(),
                std::chrono::duration<double, std::milli>(waited).count());
  WriteLine(Clock::now(), "timeout", details);
}

void LineTrace::Answer(uint8_t byte) {
  WritePending();
  const uint8_t answer[] = {byte};
  WriteLine(Clock::now(), "answer",
            Hex(answer) + (byte == REPLY_ACCEPTED ? " (accepted)" : " (not accepted)"));
}

void LineTrace::Failed(const std::string& reason) {
  WritePending();
  WriteLine(Clock::now(), "failed", reason);
}

void LineTrace::Closed() {
  WritePending();
  WriteLine(Clock::now(), "close", "");
}

void LineTrace::Result(const std::string& text) {
  WritePending();
  WriteLine(Clock::now(), "result", text);
}

void LineTrace::WritePending() {
  if (!pending_) return;
  const Run run = std::move(*pending_);
  pending_.reset();
  WriteLine(run.at, run.direction == TraceDirection::kSent ? "sent" : "recv",
            Offset(run.offset) + ": " + Hex(run.bytes));
}

void LineTrace::WriteLine(Clock::time_point at, const char* event, const std::string& details) {
  if (!file_.is_open() || !writeFailure_.ok()) return;
  char head[48];
  std::snprintf(head, sizeof head, "%10.3f %-8s",
                std::chrono::duration<double, std::milli>(at - start_).count(), event);
  std::string line = head;
  line += details;
  while (!line.empty() && line.back() == ' ') line.pop_back();
  line += '\n';
  errno = 0;
  file_.write(line.data(), static_cast<std::streamsize>(line.size()));
  file_.flush();
  if (!file_) {
    const int reason = errno != 0 ? errno : EIO;
    writeFailure_ = Status::Error(
        StatusCode::kIoError,
        "The trace file \"" + path_ + "\" is incomplete: " + std::strerror(reason), reason);
  }
}

}  // namespace tqr417
