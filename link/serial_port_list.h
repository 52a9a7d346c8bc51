#pragma once
// The serial ports present on this computer, for the companion's port listing. One backend
// per platform: device paths on POSIX systems (/dev/ttyS0, /dev/ttyUSB0, ...), COM port names
// on Windows (COM1, COM7, ...).

#include <string>
#include <vector>

namespace tqr417 {

// The ports present, in the form SerialLink::OpenDevice and TQR417_COM1 take.
std::vector<std::string> ListSerialPorts();

// Whether `device`, in the same form, names something present.
bool SerialPortPresent(const std::string& device);

}  // namespace tqr417
