// The serial ports present on a POSIX system: the device files of built-in ports, USB serial
// adapters and USB modems, with the names udev gives them under /dev/serial/by-id/ and the
// USB ids the kernel shows under /sys.
#include <glob.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

#include "link/serial_port_list.h"

namespace tqr417 {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Glob(const std::string& pattern) {
  std::vector<std::string> paths;
  glob_t found{};
  if (glob(pattern.c_str(), 0, nullptr, &found) == 0) {
    for (size_t i = 0; i < found.gl_pathc; ++i) paths.emplace_back(found.gl_pathv[i]);
  }
  globfree(&found);
  return paths;
}

// The first line of a small sysfs file; empty when there is none.
std::string FirstLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

// The by-id link that leads to each device, keyed by the device's canonical path.
std::map<fs::path, std::string> StableNames(const std::string& root) {
  std::map<fs::path, std::string> names;
  for (const std::string& link : Glob(root + "/dev/serial/by-id/*")) {
    std::error_code error;
    const fs::path target = fs::canonical(link, error);
    if (!error) names.emplace(target, link.substr(root.size()));
  }
  return names;
}

// "USB 0403:6001 FTDI FT232R USB UART" for a tty on a USB device: the USB device is the
// nearest folder above the tty's device that has idVendor.
std::string UsbDescription(const std::string& root, const std::string& ttyName) {
  std::error_code error;
  fs::path folder = fs::canonical(root + "/sys/class/tty/" + ttyName + "/device", error);
  if (error) return {};
  for (int depth = 0; depth < 4 && folder.has_relative_path();
       ++depth, folder = folder.parent_path()) {
    const std::string vendor = FirstLine(folder / "idVendor");
    if (vendor.empty()) continue;
    std::string text = "USB " + vendor + ":" + FirstLine(folder / "idProduct");
    for (const char* words : {"manufacturer", "product"}) {
      if (const std::string word = FirstLine(folder / words); !word.empty()) text += " " + word;
    }
    return text;
  }
  return {};
}

std::vector<std::string> DeviceFiles(const std::string& root) {
  std::vector<std::string> devices;
  for (const char* pattern : {"/dev/ttyS*", "/dev/ttyUSB*", "/dev/ttyACM*"}) {
    for (const std::string& path : Glob(root + pattern)) devices.push_back(path);
  }
  return devices;
}

}  // namespace

std::vector<std::string> ListSerialPorts() { return DeviceFiles({}); }

std::vector<SerialPortInfo> DescribeSerialPorts(const std::string& root) {
  const std::map<fs::path, std::string> stableNames = StableNames(root);
  std::vector<SerialPortInfo> ports;
  for (const std::string& path : DeviceFiles(root)) {
    SerialPortInfo port{path.substr(root.size()), {}, {}};
    std::error_code error;
    if (const auto found = stableNames.find(fs::canonical(path, error));
        found != stableNames.end()) {
      port.stableName = found->second;
    }
    const std::string ttyName = fs::path(path).filename().string();
    port.description = UsbDescription(root, ttyName);
    // The serial core shows the UART type; 0 is none found at the port's address.
    port.hasHardware = FirstLine(root + "/sys/class/tty/" + ttyName + "/type") != "0";
    ports.push_back(std::move(port));
  }
  return ports;
}

bool SerialPortPresent(const std::string& device) {
  struct stat info {};
  return stat(device.c_str(), &info) == 0;
}

std::string HowToChooseAnotherPort() {
  std::string text = "\nSerial ports on this computer:";
  const std::vector<SerialPortInfo> ports = DescribeSerialPorts();
  bool any = false;
  for (const SerialPortInfo& port : ports) any = any || port.hasHardware;
  if (!any) text += " none";
  for (const SerialPortInfo& port : ports) {
    if (!port.hasHardware) continue;
    text += "\n  " + port.device;
    if (!port.stableName.empty()) text += " (" + port.stableName + ")";
  }
  return text +
         "\nTo use one, run \"tqr417-cli ports --com1 DEVICE\" (or --com2), or set TQR417_COM1 "
         "or TQR417_COM2 to it.";
}

}  // namespace tqr417
