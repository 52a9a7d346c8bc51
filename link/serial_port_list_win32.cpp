// The serial ports present on Windows: the names the serial drivers register under
// HARDWARE\DEVICEMAP\SERIALCOMM, together with the COM names the DOS device table holds
// (ports some drivers only create there).
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "link/serial_port_list.h"

namespace tqr417 {

namespace {

// "COM12" and "\\.\COM12" give 12; any other name gives 0.
int ComNumber(std::string name) {
  if (name.rfind("\\\\.\\", 0) == 0) name.erase(0, 4);
  if (name.size() < 4 || name.size() > 6) return 0;
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (name.compare(0, 3, "COM") != 0) return 0;
  int number = 0;
  for (size_t i = 3; i < name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) return 0;
    number = number * 10 + (name[i] - '0');
  }
  return number;
}

void AddRegisteredPorts(std::vector<int>& numbers) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return;
  }
  for (DWORD index = 0;; ++index) {
    char valueName[256];
    DWORD nameLength = sizeof valueName;
    char data[256];
    DWORD dataLength = sizeof data - 1;
    DWORD type = 0;
    if (RegEnumValueA(key, index, valueName, &nameLength, nullptr, &type,
                      reinterpret_cast<BYTE*>(data), &dataLength) != ERROR_SUCCESS) {
      break;
    }
    if (type != REG_SZ) continue;
    data[dataLength] = '\0';
    if (const int number = ComNumber(data); number > 0) numbers.push_back(number);
  }
  RegCloseKey(key);
}

void AddDosDevicePorts(std::vector<int>& numbers) {
  std::vector<char> names(1 << 16);
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length = QueryDosDeviceA(nullptr, names.data(), static_cast<DWORD>(names.size()));
    if (length > 0) {
      for (const char* name = names.data(); *name != '\0'; name += std::strlen(name) + 1) {
        if (const int number = ComNumber(name); number > 0) numbers.push_back(number);
      }
      return;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return;
    names.resize(names.size() * 4);
  }
}

}  // namespace

std::vector<std::string> ListSerialPorts() {
  std::vector<int> numbers;
  AddRegisteredPorts(numbers);
  AddDosDevicePorts(numbers);
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  std::vector<std::string> ports;
  for (const int number : numbers) ports.push_back("COM" + std::to_string(number));
  return ports;
}

bool SerialPortPresent(const std::string& device) {
  const int number = ComNumber(device);
  if (number == 0) return false;
  char target[1024];
  return QueryDosDeviceA(("COM" + std::to_string(number)).c_str(), target, sizeof target) > 0;
}

}  // namespace tqr417
