#include "link/serial_port_opener.h"

#include <utility>

#include "link/serial_link.h"
#include "link/serial_port_list.h"

namespace tqr417 {

SerialPortOpener::SerialPortOpener(std::string com1Device, std::string com2Device)
    : devices_{std::move(com1Device), std::move(com2Device)} {
  for (ComPort port : {ComPort::kCom1, ComPort::kCom2}) {
    std::string& device = devices_[PortIndex(port)];
    if (device.empty()) device = SerialLink::DefaultDevice(port);
    labels_[PortIndex(port)] = std::string(PortName(port)) + " (" + device + ")";
  }
}

SerialPortOpener SerialPortOpener::ForDevice(std::string device) {
  SerialPortOpener opener;
  for (int i : {0, 1}) opener.devices_[i] = opener.labels_[i] = device;
  return opener;
}

const std::string& SerialPortOpener::Device(ComPort port) const {
  return devices_[PortIndex(port)];
}

OpenedPort SerialPortOpener::Open(ComPort port, int outputQueueSize) {
  auto link = std::make_unique<SerialLink>();
  const std::string& device = devices_[PortIndex(port)];
  Status status = link->Open(labels_[PortIndex(port)], device, outputQueueSize);
  if (status.ok()) return {std::move(link), Status::Ok()};
  if (!SerialPortPresent(device)) {
    status = Status::Error(status.code(), status.message() + "\n" + HowToChooseAnotherPort(),
                           status.osError());
  }
  return {nullptr, std::move(status)};
}

std::string SerialPortOpener::PortLabel(ComPort port) const { return labels_[PortIndex(port)]; }

}  // namespace tqr417
