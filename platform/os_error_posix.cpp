#include <cstring>

#include "platform/os_error.h"

namespace tqr417 {

std::string OsErrorText(int code) { return std::strerror(code); }

}  // namespace tqr417
