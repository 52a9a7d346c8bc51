#include "link/port_devices.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <system_error>

#include "file/safe_file.h"

namespace tqr417 {

namespace {

// A settings file is a few lines; anything larger is not one.
constexpr std::size_t kLargestFile = 64 * 1024;

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool HasControlCharacter(const std::string& text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
  }
  return false;
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

const char* DeviceVariable(ComPort port) {
  constexpr const char* kVariables[] = {"TQR417_COM1", "TQR417_COM2"};
  return kVariables[PortIndex(port)];
}

Status ParsePortSettings(const std::string& text, PortSettings& settings) {
  if (text.size() > kLargestFile) {
    return Status::Error(StatusCode::kInvalidInput, "it is too large for a port settings file");
  }
  PortSettings read;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string content = Trimmed(line);
    if (content.empty() || content[0] == '#') continue;
    const std::size_t equals = content.find('=');
    const std::string key =
        equals == std::string::npos ? content : Trimmed(content.substr(0, equals));
    const std::string value =
        equals == std::string::npos ? "" : Trimmed(content.substr(equals + 1));
    const bool known = key == "com1" || key == "com2";
    if (!known || value.empty() || HasControlCharacter(value)) {
      return Status::Error(
          StatusCode::kInvalidInput,
          "line " + std::to_string(number) + " is not \"com1=DEVICE\" or \"com2=DEVICE\"");
    }
    (key == "com1" ? read.com1 : read.com2) = value;
  }
  settings = read;
  return Status::Ok();
}

PortSettings ReadPortSettings(const std::string& path, std::ostream& warnings) {
  PortSettings settings;
  if (path.empty()) return settings;
  std::error_code error;
  if (!std::filesystem::exists(PathFromUtf8(path), error)) return settings;
  std::string text;
  Status status = ReadWholeFile(path, text);
  if (status.ok()) status = ParsePortSettings(text, settings);
  if (!status.ok()) {
    warnings << "Warning: the port settings file " << path << " is ignored: " << status.message()
             << "\n";
  }
  return settings;
}

Status WritePortSettings(const std::string& path, const PortSettings& settings) {
  if (path.empty()) {
    return Status::Error(StatusCode::kIoError,
                         "There is no folder for the port settings: the variable naming the "
                         "user's settings folder is not set");
  }
  std::error_code error;
  std::filesystem::create_directories(PathFromUtf8(path).parent_path(), error);
  if (error) {
    return Status::Error(StatusCode::kIoError,
                         "Cannot make the folder of " + path + ": " + error.message());
  }
  std::string text = "# The serial devices Com1 and Com2 open (tqr417-cli ports --com1 DEVICE).\n";
  if (!settings.com1.empty()) text += "com1=" + settings.com1 + "\n";
  if (!settings.com2.empty()) text += "com2=" + settings.com2 + "\n";
  return ReplaceFileContents(path, text, ReadOnlyFile::kReplace);
}

ChosenDevices ChooseDevices(const std::string& settingsPath, std::ostream& warnings) {
  ChosenDevices chosen;
  chosen.settingsPath = settingsPath;
  const PortSettings file = ReadPortSettings(chosen.settingsPath, warnings);
  for (ComPort port : {ComPort::kCom1, ComPort::kCom2}) {
    ChosenDevice& device = PortIndex(port) == 0 ? chosen.com1 : chosen.com2;
    const char* variable = std::getenv(DeviceVariable(port));
    if (variable != nullptr && *variable != '\0') {
      device = {variable, DeviceSource::kVariable};
    } else if (!file.Of(port).empty()) {
      device = {file.Of(port), DeviceSource::kSettingsFile};
    }
  }
  return chosen;
}

}  // namespace tqr417
