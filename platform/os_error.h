#pragma once
// The operating system's own words for an error code: errno on POSIX systems, GetLastError()
// on Windows. Messages to the technician quote them after saying what failed.

#include <string>

#include "config/status.h"

namespace tqr417 {

// The system's sentence for `code`, without a closing full stop or line end ("No such file or
// directory"); "error N" when the system has none.
std::string OsErrorText(int code);

// "<what>: <the system's sentence>" as kIoError carrying `code`.
inline Status OsError(const std::string& what, int code) {
  return Status::Error(StatusCode::kIoError, what + ": " + OsErrorText(code), code);
}

}  // namespace tqr417
