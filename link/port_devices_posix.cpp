// Where a user's settings live on a POSIX system: the XDG base directory rules.
#include <cstdlib>

#include "link/port_devices.h"

namespace tqr417 {

std::string PortSettingsPath() {
  // A relative XDG_CONFIG_HOME is invalid by the rules and ignored.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return std::string(config) + "/tqr417/ports.conf";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config/tqr417/ports.conf";
  return {};
}

}  // namespace tqr417
