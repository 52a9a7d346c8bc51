// SerialLink over POSIX termios.
//
// Opening follows the order that keeps a port exclusive for root too (root ignores the
// TIOCEXCL flag on open): take the device's UUCP lock file, the only sign of a terminal
// program such as minicom holding the port; open non-blocking so the open never waits for a
// carrier; refuse a device that is not a terminal; refuse a port whose exclusive flag another
// holder has set; take an advisory lock, since two openers can race past the flag check; set the
// flag; then make the descriptor blocking. Close releases all of it, the lock file included; on a
// pseudo-terminal the flag would otherwise outlive the holder while the other side stays open.
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <string>

#include "link/line_timing.h"
#include "link/serial_link.h"
#include "link/serial_link_messages.h"
#include "link/termios_settings.h"
#include "link/uucp_lock.h"
#include "platform/os_error.h"

namespace tqr417 {

using Clock = std::chrono::steady_clock;

struct SerialLink::Port {
  int fd = -1;
  UucpLock lock;         // the device's lock file, where this process could make one
  std::string label;     // how messages name the port, e.g. "Com1 (/dev/ttyS0)"
  std::string settings;  // the line settings as read back at the opening, in words
  LineClock line;        // the bytes written since the last read or wait
};

namespace {

// Why a port could not be opened, in words a technician can act on; `holder` tells who has
// the port, when known.
Status OpenFailed(const std::string& label, int error, const std::string& holder = "") {
  std::string reason;
  switch (error) {
    case ENOTTY:
      reason = kNotASerialPort;
      break;
    case EBUSY:
      reason = kPortInUse + holder;
      break;
    case ENOENT:
    case ENODEV:
    case ENXIO:
      reason = "there is no such device (" + OsErrorText(error) + ")";
      break;
    case EIO:
      reason = "no serial port answers at this device (" + OsErrorText(error) + ")";
      break;
    case EACCES:
    case EPERM:
      reason =
          "no permission to use it; the user needs access to serial ports, on Debian through "
          "the dialout group (" +
          OsErrorText(error) + ")";
      break;
    default:
      reason = OsErrorText(error);
  }
  return OpenFailedBecause(label, reason, error);
}

// Why a line that was working failed: `error` is the errno of the call that failed, or 0 for
// a hang-up or error that poll reported. A device that went away mid-transfer (a USB adapter
// pulled out, the far end of a pseudo-terminal closed) shows as a hang-up, EIO or ENXIO.
Status LineFailed(const std::string& label, int error) {
  const bool gone = error == 0 || error == EIO || error == ENXIO || error == ENODEV;
  return Status::Error(StatusCode::kIoError,
                       label + ": " + (gone ? "the device was disconnected" : OsErrorText(error)),
                       error);
}

constexpr short kLineGone = POLLHUP | POLLERR | POLLNVAL;

// Closes a descriptor this module opened and, when `held`, releases its exclusive hold.
void Release(int fd, bool held) {
  if (held) {
    ioctl(fd, TIOCNXCL);
    flock(fd, LOCK_UN);
  }
  close(fd);
}

}  // namespace

SerialLink::SerialLink() = default;

SerialLink::~SerialLink() { Close(); }

std::string SerialLink::DefaultDevice(ComPort port) {
  constexpr const char* kDevices[] = {"/dev/ttyS0", "/dev/ttyS1"};
  return kDevices[PortIndex(port)];
}

Status SerialLink::Open(const std::string& label, const std::string& device, int) {
  // Linux has no per-open queue sizes to recommend; the driver's buffers are larger than
  // either size asked for.
  Close();
  UucpLock lock;
  if (const std::optional<UucpLock::Holder> holder = lock.Take(device)) {
    const std::string program = holder->program.empty() ? "" : holder->program + ", ";
    return OpenFailed(label, EBUSY,
                      " (" + program + "pid " + std::to_string(holder->processId) + ")");
  }
  const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return OpenFailed(label, errno);

  int exclusive = 0;
  int refusal = 0;
  if (!isatty(fd)) {
    refusal = ENOTTY;
  } else if (ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0) {
    refusal = EBUSY;
  } else if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    refusal = errno == EWOULDBLOCK ? EBUSY : errno;
  } else if (ioctl(fd, TIOCEXCL) != 0) {
    refusal = errno;
  }
  if (refusal != 0) {
    Release(fd, false);
    return OpenFailed(label, refusal);
  }

  termios settings{};
  if (tcgetattr(fd, &settings) != 0) {
    const int error = errno;
    Release(fd, true);
    return OsError("Cannot read the line settings of " + label, error);
  }
  MakeUnitLineSettings(settings);
  // tcsetattr reports success when any one change was applied: read the settings back.
  termios applied{};
  if (tcsetattr(fd, TCSANOW, &settings) != 0 || tcgetattr(fd, &applied) != 0) {
    const int error = errno;
    Release(fd, true);
    return OsError("Cannot set the line settings of " + label, error);
  }
  const std::string mismatch = LineSettingsMismatch(applied);
  if (!mismatch.empty()) {
    Release(fd, true);
    return LineSettingsNotTaken(label, mismatch);
  }

  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    const int error = errno;
    Release(fd, true);
    return OsError("Cannot set up " + label, error);
  }
  port_ = std::make_unique<Port>();
  port_->fd = fd;
  port_->lock = std::move(lock);
  port_->label = label;
  port_->settings = DescribeLineSettings(applied);
  ForgetFailure();
  return Status::Ok();
}

std::string SerialLink::Description() const {
  return port_ ? port_->label + ": " + port_->settings : std::string();
}

bool SerialLink::Failed(int error) { return Fail(LineFailed(port_->label, error)); }

uint16_t SerialLink::ReadByte() {
  if (!port_ || !LineWorks()) return NO_DATA;
  port_->line.Reset();
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(READ_TIMEOUT_MS);
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd p{port_->fd, POLLIN, 0};
    const int ready = poll(&p, 1, left > 0 ? static_cast<int>(left) : 0);
    if (ready < 0 && errno != EINTR) {
      Failed(errno);
      return NO_DATA;
    }
    if (ready > 0 && (p.revents & POLLIN)) {
      // Bytes that came before a hang-up are still read; a read of nothing on a hung-up
      // port is its end.
      uint8_t byte = 0;
      const ssize_t got = read(port_->fd, &byte, 1);
      if (got == 1) return byte;
      if (got < 0 && errno != EINTR && errno != EAGAIN) {
        Failed(errno);
        return NO_DATA;
      }
      if (got == 0 && (p.revents & kLineGone)) {
        Failed(0);
        return NO_DATA;
      }
    } else if (ready > 0) {
      Failed(0);  // hang-up or error without data: nothing will come
      return NO_DATA;
    }
    if (Clock::now() >= deadline) return NO_DATA;
  }
}

bool SerialLink::Write(std::span<const uint8_t> bytes) {
  if (!port_) return Fail(PortNotOpen());
  if (!LineWorks()) return false;
  port_->line.Wrote(static_cast<int>(bytes.size()));
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = write(port_->fd, bytes.data() + done, bytes.size() - done);
    if (put > 0) {
      done += static_cast<size_t>(put);
    } else if (put == 0 || errno == EAGAIN) {
      pollfd p{port_->fd, POLLOUT, 0};
      if (poll(&p, 1, -1) > 0 && (p.revents & kLineGone) && !(p.revents & POLLOUT)) {
        return Failed(0);
      }
    } else if (errno != EINTR) {
      return Failed(errno);
    }
  }
  return true;
}

bool SerialLink::WaitUntilSent() {
  if (!port_) return Fail(PortNotOpen());
  if (!LineWorks()) return false;
  const bool sending = port_->line.Sending();
  const Clock::time_point deadline = port_->line.LineFree();
  port_->line.Reset();
  while (tcdrain(port_->fd) != 0) {
    if (errno != EINTR) return Failed(errno);
  }
  if (!sending) return true;
  // write returns once the driver holds the bytes, and USB adapters return from tcdrain
  // while their own buffer still holds some: never start an answer wait before the line
  // time of the bytes has passed. The port is watched meanwhile (poll reports a hang-up or
  // error whatever the events asked for), so a device that goes away ends the wait at once.
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return true;
    pollfd p{port_->fd, 0, 0};
    const int ready = poll(&p, 1, static_cast<int>(left));
    if (ready > 0) return Failed(0);
    if (ready < 0 && errno != EINTR) return Failed(errno);
  }
}

void SerialLink::Close() {
  if (!port_) return;
  Release(port_->fd, true);
  port_.reset();
}

}  // namespace tqr417
