#include "link/serial_link.h"

namespace tqr417 {

std::string SerialLink::PortName(int comPort) { return comPort == 0 ? "Com1" : "Com2"; }

Status SerialLink::Open(int comPort, int outputQueueSize) {
  const std::string device = DeviceForPort(comPort);
  return OpenNamed(PortName(comPort) + " (" + device + ")", device, outputQueueSize);
}

Status SerialLink::OpenDevice(const std::string& device, int outputQueueSize) {
  return OpenNamed(device, device, outputQueueSize);
}

}  // namespace tqr417
