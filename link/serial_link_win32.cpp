// SerialLink over the Windows communications API.
//
// Opening: CreateFileA on "\\.\COMn" with share mode 0, which makes the open exclusive (a
// second open of the port fails with access denied, whoever holds it); refuse a handle that
// is not a serial port; recommend the driver's queue sizes; install the read time-outs; set
// every field of the line settings and read them back; purge what the driver still holds
// from before. Reads and writes are synchronous (no overlapped I/O).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "link/dcb_settings.h"
#include "link/line_timing.h"
#include "link/serial_link.h"
#include "link/serial_link_messages.h"
#include "platform/os_error.h"

namespace tqr417 {

using Clock = std::chrono::steady_clock;

struct SerialLink::Port {
  HANDLE handle = INVALID_HANDLE_VALUE;
  std::string label;     // how messages name the port, e.g. "Com1 (COM1)"
  std::string settings;  // the line settings as read back at the opening, in words
  LineClock line;        // the bytes written since the last read or wait
};

namespace {

constexpr DWORD kInputQueue = 1024;

// Why a port could not be opened, in the same words as on POSIX systems.
Status OpenFailed(const std::string& label, DWORD error) {
  std::string reason;
  switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      reason = kPortInUse;
      break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
      reason = "there is no such port (" + OsErrorText(error) + ")";
      break;
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
      reason = kNotASerialPort;
      break;
    case ERROR_GEN_FAILURE:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEV_NOT_EXIST:
      reason = "no serial port answers at this device (" + OsErrorText(error) + ")";
      break;
    default:
      reason = OsErrorText(error);
  }
  return OpenFailedBecause(label, reason, static_cast<int>(error));
}

// Why a line that was working failed: `error` is GetLastError of the call that failed. A
// device that went away mid-transfer (a USB adapter pulled out) shows as one of the errors
// of a device that no longer answers.
Status LineFailed(const std::string& label, DWORD error) {
  bool gone = false;
  switch (error) {
    case ERROR_BAD_COMMAND:
    case ERROR_GEN_FAILURE:
    case ERROR_DEVICE_REMOVED:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_OPERATION_ABORTED:
    case ERROR_INVALID_HANDLE:
      gone = true;
      break;
    default:
      break;
  }
  return Status::Error(StatusCode::kIoError,
                       label + ": " + (gone ? "the device was disconnected" : OsErrorText(error)),
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

// Sets the line on an open port and checks what it took; ok or the reason. `settings` gets
// what the port took, in words.
Status SetUpLine(HANDLE handle, const std::string& label, int outputQueueSize,
                 std::string& settings) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (GetFileType(handle) != FILE_TYPE_CHAR || !GetCommState(handle, &dcb)) {
    return OpenFailed(label, ERROR_NOT_SUPPORTED);
  }
  if (!SetupComm(handle, kInputQueue, static_cast<DWORD>(outputQueueSize))) {
    return OsError("Cannot set the queue sizes of " + label, GetLastError());
  }
  COMMTIMEOUTS timeouts = UnitTimeouts();
  if (!SetCommTimeouts(handle, &timeouts)) {
    return OsError("Cannot set the time-outs of " + label, GetLastError());
  }
  MakeUnitDcb(dcb);
  DCB applied{};
  applied.DCBlength = sizeof applied;
  if (!SetCommState(handle, &dcb) || !GetCommState(handle, &applied)) {
    return OsError("Cannot set the line settings of " + label, GetLastError());
  }
  settings = DescribeDcb(applied);
  const std::string mismatch = DcbMismatch(applied);
  if (!mismatch.empty()) {
    return LineSettingsNotTaken(label, mismatch);
  }
  // Bytes a unit sent before this transfer (a late answer to the last one) are no part of it.
  PurgeComm(handle, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR);
  return Status::Ok();
}

}  // namespace

SerialLink::SerialLink() = default;

SerialLink::~SerialLink() { Close(); }

std::string SerialLink::DefaultDevice(ComPort port) {
  constexpr const char* kDevices[] = {"COM1", "COM2"};
  return kDevices[PortIndex(port)];
}

Status SerialLink::Open(const std::string& label, const std::string& device, int outputQueueSize) {
  Close();
  const HANDLE handle = CreateFileA(DeviceName(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return OpenFailed(label, GetLastError());
  std::string settings;
  if (Status status = SetUpLine(handle, label, outputQueueSize, settings); !status.ok()) {
    CloseHandle(handle);
    return status;
  }
  port_ = std::make_unique<Port>();
  port_->handle = handle;
  port_->label = label;
  port_->settings = std::move(settings);
  ForgetFailure();
  return Status::Ok();
}

std::string SerialLink::Description() const {
  return port_ ? port_->label + ": " + port_->settings : std::string();
}

// `error` is a GetLastError code here.
bool SerialLink::Failed(int error) {
  return Fail(LineFailed(port_->label, static_cast<DWORD>(error)));
}

uint16_t SerialLink::ReadByte() {
  if (!port_ || !LineWorks()) return NO_DATA;
  port_->line.Reset();
  uint8_t byte = 0;
  DWORD got = 0;
  // The time-outs make this one call wait at most READ_TIMEOUT_MS for one byte.
  if (!ReadFile(port_->handle, &byte, 1, &got, nullptr)) {
    Failed(static_cast<int>(GetLastError()));
    return NO_DATA;
  }
  return got == 1 ? byte : NO_DATA;
}

bool SerialLink::Write(std::span<const uint8_t> bytes) {
  if (!port_) return Fail(PortNotOpen());
  if (!LineWorks()) return false;
  port_->line.Wrote(static_cast<int>(bytes.size()));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD put = 0;
    if (!WriteFile(port_->handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                   &put, nullptr)) {
      return Failed(static_cast<int>(GetLastError()));
    }
    // Writes have no time-out, so a write that took nothing is a port that stopped working.
    if (put == 0) return Failed(ERROR_WRITE_FAULT);
    done += put;
  }
  return true;
}

bool SerialLink::WaitUntilSent() {
  if (!port_) return Fail(PortNotOpen());
  if (!LineWorks()) return false;
  const bool sending = port_->line.Sending();
  const Clock::time_point deadline = port_->line.LineFree();
  port_->line.Reset();
  if (!FlushFileBuffers(port_->handle)) return Failed(static_cast<int>(GetLastError()));
  if (!sending) return true;
  // WriteFile returns once the driver holds the bytes, and USB adapters report them sent
  // while their own buffer still holds some: never start an answer wait before the line
  // time of the bytes has passed. The port is asked for its state meanwhile, so a device
  // that goes away ends the wait early.
  constexpr auto kSlice = std::chrono::milliseconds(20);
  for (Clock::time_point now = Clock::now(); now < deadline; now = Clock::now()) {
    std::this_thread::sleep_until(std::min(deadline, now + kSlice));
    DWORD errors = 0;
    COMSTAT state{};
    if (!ClearCommError(port_->handle, &errors, &state)) {
      return Failed(static_cast<int>(GetLastError()));
    }
  }
  return true;
}

void SerialLink::Close() {
  if (!port_) return;
  CloseHandle(port_->handle);
  port_.reset();
}

}  // namespace tqr417
