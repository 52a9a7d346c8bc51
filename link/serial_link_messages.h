#pragma once
// The serial link's messages that read the same on every platform; each platform's backend
// (serial_link_posix.cpp, serial_link_win32.cpp) picks which one fits its system's error.

#include <string>

#include "config/status.h"

namespace tqr417 {

// The reasons an open gives for the two refusals every platform reports the same way.
extern const char* const kPortInUse;       // another program holds the port
extern const char* const kNotASerialPort;  // the device is no serial port

// "Cannot open <label>: <reason>" as kIoError with the OS error code.
Status OpenFailedBecause(const std::string& label, const std::string& reason, int osError);

// The port opened but kept other line settings than the unit's; `mismatch` says which.
Status LineSettingsNotTaken(const std::string& label, const std::string& mismatch);

// A read, write or wait on a link that has no port open.
Status PortNotOpen();

}  // namespace tqr417
