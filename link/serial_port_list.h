#pragma once
// The serial ports present on this computer, for the companion's port listing and the
// message of a port that does not exist. One backend per platform: device paths on POSIX
// systems (/dev/ttyS0, /dev/ttyUSB0, ...), COM port names on Windows (COM1, COM7, ...).

#include <string>
#include <vector>

namespace tqr417 {

// A port and what tells it apart from the others.
struct SerialPortInfo {
  std::string device;       // as SerialLink::OpenDevice and TQR417_COM1 take it
  std::string stableName;   // POSIX: its /dev/serial/by-id/ name, which survives re-plugging
  std::string description;  // POSIX: "USB 0403:6001 FTDI FT232R USB UART"; Windows: the
                            // friendly name, "USB Serial Port (COM5)"
  // False for a built-in port's device file that no UART stands behind (Linux makes
  // /dev/ttyS0 to /dev/ttyS31 whatever the machine has).
  bool hasHardware = true;
};

// The ports present, in the form SerialLink::OpenDevice and TQR417_COM1 take.
std::vector<std::string> ListSerialPorts();

// The ports present with what identifies them. `root` is prefixed to /dev and /sys on POSIX
// systems (tests give a folder laid out as they are); empty for the real ones.
std::vector<SerialPortInfo> DescribeSerialPorts(const std::string& root = {});

// Whether `device`, in the same form, names something present.
bool SerialPortPresent(const std::string& device);

// What to tell a technician whose Com port names a device that does not exist: the ports
// that do, and how to make Com1 or Com2 open one. Starts with a line end.
std::string HowToChooseAnotherPort();

}  // namespace tqr417
