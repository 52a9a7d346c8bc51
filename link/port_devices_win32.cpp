// Where a user's settings live on Windows: the roaming application data folder.
#include <cstdlib>

#include "link/port_devices.h"
#include "platform/wide_text.h"

namespace tqr417 {

std::string PortSettingsPath() {
  // The wide variable, so that a user name in any script gives the right folder.
  const wchar_t* appData = _wgetenv(L"APPDATA");
  if (appData == nullptr || appData[0] == L'\0') return {};
  return Utf8FromWide(appData) + "\\tqr417\\ports.conf";
}

}  // namespace tqr417
