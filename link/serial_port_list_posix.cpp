// The serial ports present on a POSIX system: the device files of built-in ports, USB serial
// adapters and USB modems.
#include <glob.h>
#include <sys/stat.h>

#include "link/serial_port_list.h"

namespace tqr417 {

std::vector<std::string> ListSerialPorts() {
  std::vector<std::string> devices;
  for (const char* pattern : {"/dev/ttyS*", "/dev/ttyUSB*", "/dev/ttyACM*"}) {
    glob_t found{};
    if (glob(pattern, 0, nullptr, &found) == 0) {
      for (size_t i = 0; i < found.gl_pathc; ++i) devices.emplace_back(found.gl_pathv[i]);
    }
    globfree(&found);
  }
  return devices;
}

bool SerialPortPresent(const std::string& device) {
  struct stat info {};
  return stat(device.c_str(), &info) == 0;
}

}  // namespace tqr417
