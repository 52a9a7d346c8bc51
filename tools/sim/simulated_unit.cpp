#include "tools/sim/simulated_unit.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "link/config_frame.h"
#include "link/line_timing.h"
#include "link/termios_settings.h"
#include "link/unit_protocol.h"

namespace tqr417::sim {

namespace {

// How long the unit waits for the next byte of an uploaded frame before giving it up.
constexpr std::chrono::milliseconds kFrameByteGap{500};
// How often the unit looks for a new session while nobody has the port open.
constexpr std::chrono::milliseconds kIdlePoll{2};

std::string Hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

int Milliseconds(Clock::duration d) {
  return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

}  // namespace

SimulatedUnit::SimulatedUnit(UnitConfig held, UnitBehaviour behaviour, LogSink log)
    : log_(std::move(log)),
      held_(std::move(held)),
      heldFrame_(EncodeFrame(held_).bytes),
      behaviour_(behaviour) {}

SimulatedUnit::~SimulatedUnit() { Stop(); }

Status SimulatedUnit::Start() {
  Status status = pty_.Open();
  if (!status.ok()) return status;
  // Non-blocking, so that a write to a session that stopped reading can never hold Stop up.
  fcntl(pty_.fd(), F_SETFL, fcntl(pty_.fd(), F_GETFL) | O_NONBLOCK);
  if (pipe2(stopPipe_, O_CLOEXEC) != 0) {
    const int error = errno;
    pty_.Close();
    return Status::Error(StatusCode::kIoError, "Cannot create the simulator's stop pipe", error);
  }
  stopping_ = false;
  thread_ = std::thread([this] { Serve(); });
  return Status::Ok();
}

void SimulatedUnit::Stop() {
  if (thread_.joinable()) {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    const char byte = 0;
    (void)!write(stopPipe_[1], &byte, 1);
    thread_.join();
  }
  for (int& fd : stopPipe_) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
  pty_.Close();
}

UnitConfig SimulatedUnit::Held() const {
  std::lock_guard lock(mutex_);
  return held_;
}

void SimulatedUnit::SetBehaviour(const UnitBehaviour& behaviour) {
  std::lock_guard lock(mutex_);
  behaviour_ = behaviour;
}

std::vector<Transaction> SimulatedUnit::Transactions() const {
  std::lock_guard lock(mutex_);
  return transactions_;
}

bool SimulatedUnit::WaitForTransactions(size_t count, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, timeout, [&] { return transactions_.size() >= count; });
}

bool SimulatedUnit::Stopping() const {
  std::lock_guard lock(mutex_);
  return stopping_;
}

bool SimulatedUnit::SleepUntil(Clock::time_point when) {
  std::unique_lock lock(mutex_);
  return !changed_.wait_until(lock, when, [&] { return stopping_; });
}

void SimulatedUnit::Serve() {
  bool sessionOpen = false;
  while (!Stopping()) {
    pollfd p[2] = {{pty_.fd(), POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    if (poll(p, 2, -1) < 0) continue;
    if (p[1].revents) break;
    if (p[0].revents & POLLIN) {
      uint8_t command = 0;
      if (read(pty_.fd(), &command, 1) == 1) {  // EAGAIN or EIO: look again
        const Clock::time_point commandAt = Clock::now();
        if (!sessionOpen) TraceOpened();
        sessionOpen = true;
        Trace(TraceDirection::kReceived, &command, 1);
        Transaction t = ServeOne(command, commandAt);
        // When the session has ended meanwhile, tidy the port before the request counts as
        // served, so whoever waits for it finds the port ready for the next session.
        pollfd after{pty_.fd(), POLLIN, 0};
        sessionOpen = !(poll(&after, 1, 0) > 0 && (after.revents & POLLHUP));
        if (!sessionOpen) {
          DiscardUnread();
          TraceClosed();
        }
        Record(std::move(t));
        continue;
      }
    }
    if (p[0].revents & (POLLHUP | POLLERR)) {
      // Nobody has the port open. Once per session, discard what it left unread, then look
      // for the next session now and then (a closed slave keeps signalling).
      if (sessionOpen) {
        DiscardUnread();
        TraceClosed();
      }
      sessionOpen = false;
      pollfd stop{stopPipe_[0], POLLIN, 0};
      poll(&stop, 1, static_cast<int>(kIdlePoll.count()));
    }
  }
}

void SimulatedUnit::TraceOpened() {
  if (trace_ == nullptr) return;
  termios settings{};
  const bool read = tcgetattr(pty_.fd(), &settings) == 0;
  trace_->PortOpened(DevicePath() + ": " +
                     (read ? DescribeLineSettings(settings) : "line settings unreadable"));
}

void SimulatedUnit::TraceClosed() {
  if (trace_ != nullptr) trace_->Closed();
}

void SimulatedUnit::Trace(TraceDirection direction, const uint8_t* bytes, int count) {
  if (trace_ != nullptr && count > 0) {
    trace_->Bytes(direction, std::span<const uint8_t>(bytes, static_cast<size_t>(count)));
  }
}

void SimulatedUnit::DiscardUnread() {
  const int fd = open(pty_.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;  // someone holds it exclusively: a new session has begun
  // Root opens a port despite its exclusive flag: leave a port alone that a new session
  // has already taken.
  int exclusive = 0;
  if (ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive == 0) tcflush(fd, TCIFLUSH);
  close(fd);
}

Transaction SimulatedUnit::ServeOne(uint8_t command, Clock::time_point commandAt) {
  UnitBehaviour behaviour;
  {
    std::lock_guard lock(mutex_);
    behaviour = behaviour_;
  }
  Transaction t;
  t.command = command;
  t.commandAt = commandAt;
  t.lineEnd = commandAt;
  t.bytesReceived = 1;
  termios settings{};
  if (tcgetattr(pty_.fd(), &settings) == 0) t.lineProblem = LineSettingsMismatch(settings);

  if (command == CMD_SEND_CONFIG) {
    ServeUpload(t, behaviour);
  } else if (command == CMD_RECV_CONFIG) {
    ServeDownload(t, behaviour);
  } else {
    t.log = "unknown command " + Hex(command, 2) + " ignored";
  }
  if (t.bytesSent == 0) t.lastSentAt = t.lineEnd;
  if (!t.lineProblem.empty()) {
    t.log += "; line not set to 4800 baud 8N1 raw: " + t.lineProblem;
  }
  return t;
}

void SimulatedUnit::ServeUpload(Transaction& t, const UnitBehaviour& behaviour) {
  ConfigFrame bytes{};
  const int got = ReadBytes(bytes.data(), FRAME_SIZE, kFrameByteGap);
  t.bytesReceived += got;
  // The application looks for the answer only once the frame would have left a real line,
  // so the answer delay counts from there, paced or not.
  t.lineEnd = std::max(Clock::now(), t.commandAt + LineTime(t.bytesReceived));
  if (got < FRAME_SIZE) {
    t.log = "upload: frame stopped after " + std::to_string(got) + " of " +
            std::to_string(FRAME_SIZE) + " bytes; no answer";
    return;
  }
  const DecodedFrame decoded = DecodeFrame(bytes);
  const bool intact = decoded.checksumOk();
  const bool keep = intact && !behaviour.refuse;
  t.log = "upload: checksum " + Hex(decoded.receivedChecksum, 4) +
          (intact ? " matches" : " wrong, computed " + Hex(decoded.computedChecksum, 4));
  if (keep && !behaviour.forget) {
    std::lock_guard lock(mutex_);
    held_ = decoded.config;
    heldFrame_ = bytes;
  }
  t.log += keep && !behaviour.forget ? "; configuration kept" : "; configuration not kept";
  if (behaviour.silent) {
    t.log += "; no answer (silent)";
    return;
  }
  const uint8_t answer = keep ? REPLY_ACCEPTED : REPLY_REFUSED;
  // The answer byte is on the line for one byte time before the application has it.
  Clock::time_point sendAt = t.lineEnd + std::chrono::milliseconds(behaviour.answerDelayMs);
  if (behaviour.paced) sendAt += LineTime(1);
  if (!SleepUntil(sendAt) || !WriteAll(&answer, 1)) return;
  if (trace_ != nullptr) trace_->Answer(answer);
  t.lastSentAt = Clock::now();
  t.bytesSent = 1;
  t.log += "; answered " + Hex(answer, 2) + " " +
           std::to_string(Milliseconds(t.lastSentAt - t.lineEnd)) + " ms after the frame";
}

void SimulatedUnit::ServeDownload(Transaction& t, const UnitBehaviour& behaviour) {
  t.lineEnd = behaviour.paced ? t.commandAt + LineTime(1) : t.commandAt;
  ConfigFrame bytes;
  {
    std::lock_guard lock(mutex_);
    bytes = heldFrame_;
  }
  if (behaviour.wrongChecksum) ++bytes[FRAME_SIZE - 1];
  int count = FRAME_SIZE;
  if (behaviour.stopAfterBytes >= 0 && behaviour.stopAfterBytes < FRAME_SIZE) {
    count = behaviour.stopAfterBytes;
  }
  t.log = "download";
  if (behaviour.silent) {
    t.log += ": no answer (silent)";
    return;
  }
  const Clock::time_point start = t.lineEnd + std::chrono::milliseconds(behaviour.answerDelayMs);
  if (behaviour.paced) {
    for (int i = 0; i < count; ++i) {
      if (!SleepUntil(start + LineTime(i + 1)) || !WriteAll(&bytes[i], 1)) break;
      Trace(TraceDirection::kSent, &bytes[i], 1);
      ++t.bytesSent;
    }
  } else if (SleepUntil(start) && WriteAll(bytes.data(), count)) {
    Trace(TraceDirection::kSent, bytes.data(), count);
    t.bytesSent = count;
  }
  t.lastSentAt = Clock::now();
  t.log += ": sent " + std::to_string(t.bytesSent) + " of " + std::to_string(FRAME_SIZE) + " bytes";
  if (behaviour.wrongChecksum) t.log += " with a wrong checksum";
  if (behaviour.answerDelayMs > 0) {
    t.log += ", starting " + std::to_string(behaviour.answerDelayMs) + " ms late";
  }
  if (behaviour.paced) t.log += " at line rate";
}

int SimulatedUnit::ReadBytes(uint8_t* into, int count, std::chrono::milliseconds gap) {
  int got = 0;
  while (got < count) {
    pollfd p[2] = {{pty_.fd(), POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    const int ready = poll(p, 2, static_cast<int>(gap.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0 || p[1].revents || !(p[0].revents & POLLIN)) break;
    const ssize_t n = read(pty_.fd(), into + got, static_cast<size_t>(count - got));
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) break;
    Trace(TraceDirection::kReceived, into + got, static_cast<int>(n));
    got += static_cast<int>(n);
  }
  return got;
}

bool SimulatedUnit::WriteAll(const uint8_t* bytes, int count) {
  int done = 0;
  while (done < count) {
    if (Stopping()) return false;
    const ssize_t n = write(pty_.fd(), bytes + done, static_cast<size_t>(count - done));
    if (n > 0) {
      done += static_cast<int>(n);
    } else if (n < 0 && errno == EAGAIN) {
      pollfd p[2] = {{pty_.fd(), POLLOUT, 0}, {stopPipe_[0], POLLIN, 0}};
      poll(p, 2, -1);
    } else if (n < 0 && errno != EINTR) {
      return false;
    }
  }
  return true;
}

void SimulatedUnit::Record(Transaction t) {
  if (log_) log_(t.log);
  {
    std::lock_guard lock(mutex_);
    transactions_.push_back(std::move(t));
  }
  changed_.notify_all();
}

}  // namespace tqr417::sim
