// SerialLink over the Windows communications API.
//
// Opening: CreateFileA on "\\.\COMn" with share mode 0, which makes the open exclusive (a
// second open of the port fails with access denied, whoever holds it); refuse a handle that
// is not a serial port; recommend the driver's queue sizes; install the read time-outs; set
// every field of the line settings and read them back; purge what the driver still holds
// from before. Reads and writes are synchronous (no overlapped I/O).
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "config/win32_text.h"
#include "link/dcb_settings.h"
#include "link/line_timing.h"
#include "link/serial_link.h"

namespace tqr417 {

using Clock = std::chrono::steady_clock;

struct SerialLink::Port {
  HANDLE handle = INVALID_HANDLE_VALUE;
  // The bytes written since the last read or wait, and when the first of them was written.
  bool sending = false;
  Clock::time_point sendStart;
  int sentBytes = 0;
};

namespace {

constexpr DWORD kInputQueue = 1024;

// Why a port could not be opened, in the same words as on POSIX systems.
Status OpenFailed(const std::string& label, DWORD error) {
  std::string reason;
  switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      reason = "the port is in use by another program";
      break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
      reason = "there is no such port (" + SystemErrorText(error) + ")";
      break;
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
      reason = "it is not a serial port";
      break;
    case ERROR_GEN_FAILURE:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEV_NOT_EXIST:
      reason = "no serial port answers at this device (" + SystemErrorText(error) + ")";
      break;
    default:
      reason = SystemErrorText(error);
  }
  return Status::Error(StatusCode::kIoError, "Cannot open " + label + ": " + reason,
                       static_cast<int>(error));
}

Status SetupFailed(const std::string& what, DWORD error) {
  return Status::Error(StatusCode::kIoError, what + ": " + SystemErrorText(error),
                       static_cast<int>(error));
}

// "COM7" and "com7" become "\\.\COM7", the form that also opens COM10 and above; a name
// that already starts with "\\" is taken as it stands.
std::string DeviceName(const std::string& device) {
  if (device.rfind("\\\\", 0) == 0) return device;
  return "\\\\.\\" + device;
}

// Reads wait for the first byte at most READ_TIMEOUT_MS and return as soon as one byte has
// come; writes have no time-out.
COMMTIMEOUTS UnitTimeouts() {
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = MAXDWORD;
  timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
  timeouts.ReadTotalTimeoutConstant = READ_TIMEOUT_MS;
  timeouts.WriteTotalTimeoutMultiplier = 0;
  timeouts.WriteTotalTimeoutConstant = 0;
  return timeouts;
}

// Sets the line on an open port and checks what it took; ok or the reason.
Status SetUpLine(HANDLE handle, const std::string& label, int outputQueueSize) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (GetFileType(handle) != FILE_TYPE_CHAR || !GetCommState(handle, &dcb)) {
    return OpenFailed(label, ERROR_NOT_SUPPORTED);
  }
  if (!SetupComm(handle, kInputQueue, static_cast<DWORD>(outputQueueSize))) {
    return SetupFailed("Cannot set the queue sizes of " + label, GetLastError());
  }
  COMMTIMEOUTS timeouts = UnitTimeouts();
  if (!SetCommTimeouts(handle, &timeouts)) {
    return SetupFailed("Cannot set the time-outs of " + label, GetLastError());
  }
  MakeUnitDcb(dcb);
  DCB applied{};
  applied.DCBlength = sizeof applied;
  if (!SetCommState(handle, &dcb) || !GetCommState(handle, &applied)) {
    return SetupFailed("Cannot set the line settings of " + label, GetLastError());
  }
  const std::string mismatch = DcbMismatch(applied);
  if (!mismatch.empty()) {
    return Status::Error(StatusCode::kIoError,
                         label +
                             " did not take 4800 baud, 8 data bits, no parity, one stop "
                             "bit, raw (" +
                             mismatch + ")");
  }
  // Bytes a unit sent before this transfer (a late answer to the last one) are no part of it.
  PurgeComm(handle, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR);
  return Status::Ok();
}

}  // namespace

SerialLink::SerialLink() = default;

SerialLink::~SerialLink() { Close(); }

std::string SerialLink::DeviceForPort(int comPort) {
  const char* variable = comPort == 0 ? "TQR417_COM1" : "TQR417_COM2";
  const char* value = std::getenv(variable);
  if (value != nullptr && *value != '\0') return value;
  return comPort == 0 ? "COM1" : "COM2";
}

Status SerialLink::OpenNamed(const std::string& label, const std::string& device,
                             int outputQueueSize) {
  Close();
  const HANDLE handle = CreateFileA(DeviceName(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return OpenFailed(label, GetLastError());
  if (Status status = SetUpLine(handle, label, outputQueueSize); !status.ok()) {
    CloseHandle(handle);
    return status;
  }
  port_ = std::make_unique<Port>();
  port_->handle = handle;
  return Status::Ok();
}

bool SerialLink::IsOpen() const { return port_ != nullptr; }

uint16_t SerialLink::ReadByte() {
  if (!port_) return NO_DATA;
  port_->sending = false;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(READ_TIMEOUT_MS);
  uint8_t byte = 0;
  DWORD got = 0;
  // The time-outs make this one call wait at most READ_TIMEOUT_MS for one byte.
  if (ReadFile(port_->handle, &byte, 1, &got, nullptr)) return got == 1 ? byte : NO_DATA;
  // A port that failed still takes the full time-out, as a silent line would.
  std::this_thread::sleep_until(deadline);
  return NO_DATA;
}

void SerialLink::Write(std::span<const uint8_t> bytes) {
  if (!port_) return;
  if (!port_->sending) {
    port_->sending = true;
    port_->sendStart = Clock::now();
    port_->sentBytes = 0;
  }
  port_->sentBytes += static_cast<int>(bytes.size());
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD put = 0;
    if (!WriteFile(port_->handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                   &put, nullptr) ||
        put == 0) {
      return;  // not reported: the unit's missing answer shows it
    }
    done += put;
  }
}

void SerialLink::WaitUntilSent() {
  if (!port_) return;
  FlushFileBuffers(port_->handle);
  // WriteFile returns once the driver holds the bytes, and USB adapters report them sent
  // while their own buffer still holds some: never start an answer wait before the line
  // time of the bytes has passed.
  if (port_->sending) std::this_thread::sleep_until(port_->sendStart + LineTime(port_->sentBytes));
  port_->sending = false;
}

void SerialLink::Close() {
  if (!port_) return;
  CloseHandle(port_->handle);
  port_.reset();
}

}  // namespace tqr417
