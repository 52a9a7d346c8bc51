#include "link/serial_link.h"

#include "link/serial_link_messages.h"

namespace tqr417 {

const char* const kPortInUse = "the port is in use by another program";
const char* const kNotASerialPort = "it is not a serial port";

Status OpenFailedBecause(const std::string& label, const std::string& reason, int osError) {
  return Status::Error(StatusCode::kIoError, "Cannot open " + label + ": " + reason, osError);
}

Status LineSettingsNotTaken(const std::string& label, const std::string& mismatch) {
  return Status::Error(StatusCode::kIoError,
                       label +
                           " did not take 4800 baud, 8 data bits, no parity, one stop bit, raw (" +
                           mismatch + ")");
}

Status PortNotOpen() { return Status::Error(StatusCode::kIoError, "The serial port is not open"); }

Status SerialLink::OpenDevice(const std::string& device, int outputQueueSize) {
  return Open(device, device, outputQueueSize);
}

}  // namespace tqr417
