#pragma once
// PortOpener: opens the serial port a port choice stands for, one transfer at a time. The
// windows and the companion are handed one by their start-up code; tests hand them one that
// gives a scripted channel.

#include <memory>
#include <string>

#include "config/com_port.h"
#include "config/status.h"
#include "link/byte_channel.h"

namespace tqr417 {

// An open port, or why it could not be opened.
struct OpenedPort {
  std::unique_ptr<ByteChannel> channel;  // null when the open failed; closes when destroyed
  Status status;  // when it failed: a sentence naming the port, its device and the reason
};

class PortOpener {
 public:
  virtual ~PortOpener() = default;

  // Opens `port` for one transfer, exclusively: a second Open of the same port fails while
  // the channel lives. `outputQueueSize` is the driver's output queue recommended for the
  // transfer (UPLOAD_OUTPUT_QUEUE, DOWNLOAD_OUTPUT_QUEUE) where the platform has one, as
  // Windows has; the POSIX backend ignores it.
  virtual OpenedPort Open(ComPort port, int outputQueueSize) = 0;

  // How messages name `port` and the device it opens, such as "Com1 (/dev/ttyS0)": every
  // transfer message ends with it, so a technician sees which device was tried.
  virtual std::string PortLabel(ComPort port) const = 0;
};

}  // namespace tqr417
