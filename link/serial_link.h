#pragma once
// SerialLink: one connection to the serial port the TQR-417 is cabled to, opened for one
// transfer and closed at its end. Exclusive: while one SerialLink holds a port, a second
// Open of it fails, whoever the second opener is.
//
// The line is set to 4800 baud, 8 data bits, no parity, one stop bit, raw (every byte value
// passes unchanged both ways), and the settings are read back: a port that does not take
// them fails to open. The platform part lives in one backend source chosen by the build.

#include <memory>
#include <string>

#include "config/com_port.h"
#include "config/status.h"
#include "link/byte_channel.h"

namespace tqr417 {

class SerialLink : public ByteChannel {
 public:
  SerialLink();
  ~SerialLink() override;  // closes the port if still open
  SerialLink(const SerialLink&) = delete;
  SerialLink& operator=(const SerialLink&) = delete;

  // The device a port choice opens when the program names none: the platform's own first
  // and second serial port (/dev/ttyS0 and /dev/ttyS1 on POSIX systems, COM1 and COM2 on
  // Windows). Defined by the backend.
  static std::string DefaultDevice(ComPort port);

  // Opens `device`, named `label` in messages (such as "Com1 (/dev/ttyS0)"). The output
  // queue size is a recommendation to the driver where the platform has one (8 bytes for an
  // upload, 1024 for a download); the POSIX backend has none and ignores it. On failure
  // nothing stays open, and the message names the label and the reason.
  Status Open(const std::string& label, const std::string& device, int outputQueueSize);

  // As Open, with the device's path as its label.
  Status OpenDevice(const std::string& device, int outputQueueSize);

  // A hang-up, EIO or ENXIO fails the line as "<port>: the device was disconnected"; any
  // other error with its errno text. Not open: reads give NO_DATA, writes and waits fail.
  uint16_t ReadByte() override;
  bool Write(std::span<const uint8_t> bytes) override;
  bool WaitUntilSent() override;
  // The label and the line settings as read back when the port was opened.
  std::string Description() const override;

  // Releases the exclusive hold and closes the port. Harmless when not open.
  void Close();

 private:
  struct Port;  // the platform's handle and state, defined by the backend
  // Records the line failure `error` (an errno, or 0 for a hang-up) and returns false.
  bool Failed(int error);

  std::unique_ptr<Port> port_;
};

}  // namespace tqr417
