#pragma once
// SerialPortOpener: the real PortOpener, over SerialLink. The devices of Com1 and Com2 are
// fixed when it is made, by the program's start-up code (which may take them from the
// environment); nothing here reads the environment.

#include <string>

#include "link/port_opener.h"

namespace tqr417 {

class SerialPortOpener : public PortOpener {
 public:
  // Com1 opens `com1Device`, Com2 `com2Device`; an empty one stands for the platform's
  // default (SerialLink::DefaultDevice). Messages name the port and its device, as
  // "Com1 (/dev/ttyS0)".
  SerialPortOpener(std::string com1Device, std::string com2Device);

  // Both choices open `device`, and messages name it alone (the companion's --device).
  static SerialPortOpener ForDevice(std::string device);

  // The device `port` opens.
  const std::string& Device(ComPort port) const;

  // A device that does not exist is reported with the serial ports that do, and how to
  // make Com1 or Com2 open one of them.
  OpenedPort Open(ComPort port, int outputQueueSize) override;
  std::string PortLabel(ComPort port) const override;

 private:
  SerialPortOpener() = default;

  std::string devices_[2];
  std::string labels_[2];
};

}  // namespace tqr417
