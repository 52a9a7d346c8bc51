#pragma once
// Which device Com1 and Com2 open, for the application and the companion alike: the
// variables TQR417_COM1 and TQR417_COM2 first, else the per-user port settings file (written
// by "tqr417-cli ports --com1 DEVICE"), else the platform's default device.
//
// The settings file holds lines "com1=DEVICE" and "com2=DEVICE"; blank lines and lines
// starting with "#" are ignored. It lives in the platform's place for a user's settings:
// $XDG_CONFIG_HOME/tqr417/ports.conf (~/.config/tqr417/ports.conf without the variable) on
// POSIX systems, %APPDATA%\tqr417\ports.conf on Windows.

#include <iosfwd>
#include <string>

#include "config/com_port.h"
#include "config/status.h"

namespace tqr417 {

// The devices a settings file names; empty for a port it does not name.
struct PortSettings {
  std::string com1;
  std::string com2;
  std::string& Of(ComPort port) { return PortIndex(port) == 0 ? com1 : com2; }
  const std::string& Of(ComPort port) const { return PortIndex(port) == 0 ? com1 : com2; }
};

// Where a port's device came from.
enum class DeviceSource { kDefault, kVariable, kSettingsFile };

struct ChosenDevice {
  std::string device;  // empty for the platform's default
  DeviceSource source = DeviceSource::kDefault;
};

struct ChosenDevices {
  ChosenDevice com1;
  ChosenDevice com2;
  std::string settingsPath;  // the file that was read, or would have been; empty without a place
  const ChosenDevice& Of(ComPort port) const { return PortIndex(port) == 0 ? com1 : com2; }
};

// "TQR417_COM1" or "TQR417_COM2".
const char* DeviceVariable(ComPort port);

// The settings file's path in UTF-8, from the platform's standard variables; empty when they
// name no place (no XDG_CONFIG_HOME and no HOME; no APPDATA). Defined by the backend.
std::string PortSettingsPath();

// Reads the settings file at `path`. No file, or an empty path, is no settings. A file that
// cannot be read or is not in the form above is ignored whole, with a one-line warning naming
// it on `warnings`.
PortSettings ReadPortSettings(const std::string& path, std::ostream& warnings);

// Parses a settings file's text; a message naming the line that is wrong when it is malformed.
Status ParsePortSettings(const std::string& text, PortSettings& settings);

// Writes `settings` to `path`, making its folder first. The message names the file.
Status WritePortSettings(const std::string& path, const PortSettings& settings);

// The devices the ports open: each variable that is set and not empty, else the settings file
// at `settingsPath` (the program gives PortSettingsPath()), else the default. Warnings about
// the file go to `warnings`.
ChosenDevices ChooseDevices(const std::string& settingsPath, std::ostream& warnings);

}  // namespace tqr417
