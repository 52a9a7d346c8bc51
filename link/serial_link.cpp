#include "link/serial_link.h"

namespace tqr417 {

Status SerialLink::OpenDevice(const std::string& device, int outputQueueSize) {
  return Open(device, device, outputQueueSize);
}

}  // namespace tqr417
