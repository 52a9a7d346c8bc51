// The serial ports present on Windows: the names the serial drivers register under
// HARDWARE\DEVICEMAP\SERIALCOMM, together with the COM names the DOS device table holds
// (ports some drivers only create there). Their friendly names ("USB Serial Port (COM5)") are
// those Device Manager shows, from the device instances under SYSTEM\CurrentControlSet\Enum
// whose "Device Parameters" hold the port's name.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>

#include "link/serial_port_list.h"
#include "platform/wide_text.h"

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

// The names of the subkeys of `key`.
std::vector<std::wstring> Subkeys(HKEY key) {
  std::vector<std::wstring> names;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD length = 256;
    if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, length);
  }
  return names;
}

// A string value of `key`'s subkey `subkey` ("" for the key itself); empty when there is none.
std::wstring StringValue(HKEY key, const std::wstring& subkey, const wchar_t* name) {
  wchar_t data[512];
  DWORD size = sizeof data - sizeof(wchar_t);
  DWORD type = 0;
  if (RegGetValueW(key, subkey.c_str(), name, RRF_RT_REG_SZ, &type, data, &size) != ERROR_SUCCESS) {
    return {};
  }
  return std::wstring(data, size / sizeof(wchar_t)).c_str();
}

// Each COM number's friendly name, from the device instances Enum\<bus>\<device>\<instance>.
std::map<int, std::string> FriendlyNames() {
  std::map<int, std::string> names;
  HKEY enumKey = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Enum", 0, KEY_READ,
                    &enumKey) != ERROR_SUCCESS) {
    return names;
  }
  for (const std::wstring& bus : Subkeys(enumKey)) {
    HKEY busKey = nullptr;
    if (RegOpenKeyExW(enumKey, bus.c_str(), 0, KEY_READ, &busKey) != ERROR_SUCCESS) continue;
    for (const std::wstring& device : Subkeys(busKey)) {
      HKEY deviceKey = nullptr;
      if (RegOpenKeyExW(busKey, device.c_str(), 0, KEY_READ, &deviceKey) != ERROR_SUCCESS) {
        continue;
      }
      for (const std::wstring& instance : Subkeys(deviceKey)) {
        const std::wstring port =
            StringValue(deviceKey, instance + L"\\Device Parameters", L"PortName");
        const int number = ComNumber(Utf8FromWide(port));
        if (number == 0) continue;
        const std::wstring friendly = StringValue(deviceKey, instance, L"FriendlyName");
        if (!friendly.empty()) names[number] = Utf8FromWide(friendly);
      }
      RegCloseKey(deviceKey);
    }
    RegCloseKey(busKey);
  }
  RegCloseKey(enumKey);
  return names;
}

}  // namespace

std::vector<SerialPortInfo> DescribeSerialPorts(const std::string& /*root*/) {
  const std::map<int, std::string> friendly = FriendlyNames();
  std::vector<SerialPortInfo> ports;
  for (const std::string& device : ListSerialPorts()) {
    const auto found = friendly.find(ComNumber(device));
    ports.push_back({device, {}, found == friendly.end() ? std::string() : found->second});
  }
  return ports;
}

std::string HowToChooseAnotherPort() {
  std::string text = "\nSerial ports on this computer:";
  const std::vector<SerialPortInfo> ports = DescribeSerialPorts();
  if (ports.empty()) text += " none";
  for (const SerialPortInfo& port : ports) {
    text += "\n  " + (port.description.empty() ? port.device : port.description);
  }
  return text +
         "\nTo use one, run \"tqr417-cli ports --com1 COMn\" (or --com2), or give the adapter "
         "the number COM1 or COM2 in Device Manager (the port's Properties, Port Settings, "
         "Advanced).";
}

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
