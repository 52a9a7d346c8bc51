#pragma once
// ComPort: the serial port the transfers open, as the technician chooses it in the port
// dialog. Which device each choice opens is decided once at start-up (see link/port_opener.h).

#include <string_view>

namespace tqr417 {

enum class ComPort { kCom1, kCom2 };

// 0 for Com1, 1 for Com2: where the port stands in anything kept once per port, the port
// dialog's radio group included.
constexpr int PortIndex(ComPort port) { return port == ComPort::kCom1 ? 0 : 1; }

// The port dialog's radio index as a port: 0 ("Com 1") is Com1; any other index is Com2,
// 1 ("Com 2") and -1 (no button chosen) included, since the unit link has always opened
// Com2 for any choice but the first.
constexpr ComPort ComPortFromChoice(int radioIndex) {
  return radioIndex == 0 ? ComPort::kCom1 : ComPort::kCom2;
}

// The port dialog's radio index that shows `port`: 0 for Com1, 1 for Com2.
constexpr int ChoiceFromComPort(ComPort port) { return PortIndex(port); }

// "Com1" or "Com2", as messages name the port.
constexpr std::string_view PortName(ComPort port) {
  constexpr std::string_view kNames[] = {"Com1", "Com2"};
  return kNames[PortIndex(port)];
}

}  // namespace tqr417
