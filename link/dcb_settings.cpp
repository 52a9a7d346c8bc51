#include "link/dcb_settings.h"

#include "link/line_timing.h"

namespace tqr417 {

void MakeUnitDcb(DCB& dcb) {
  dcb.BaudRate = LINE_BAUD;
  dcb.fBinary = TRUE;
  dcb.fParity = FALSE;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fTXContinueOnXoff = TRUE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.fErrorChar = FALSE;
  dcb.fNull = FALSE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  dcb.fAbortOnError = FALSE;
  dcb.fDummy2 = 0;
  dcb.wReserved = 0;
  // The XON/XOFF limits and characters take effect only with fInX or fOutX; drivers still
  // check them (distinct characters, limits within the 1024-byte input queue).
  dcb.XonLim = 256;
  dcb.XoffLim = 256;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  dcb.XonChar = 0x11;
  dcb.XoffChar = 0x13;
  dcb.ErrorChar = 0;
  dcb.EofChar = 0;
  dcb.EvtChar = 0;
  dcb.wReserved1 = 0;
}

std::string DcbMismatch(const DCB& dcb) {
  std::string text;
  const auto note = [&text](bool differs, const std::string& item) {
    if (!differs) return;
    if (!text.empty()) text += ", ";
    text += item;
  };
  note(dcb.BaudRate != LINE_BAUD, "speed " + std::to_string(dcb.BaudRate));
  note(dcb.ByteSize != 8, std::to_string(dcb.ByteSize) + " data bits");
  note(dcb.Parity != NOPARITY, "parity on");
  note(dcb.StopBits != ONESTOPBIT, "not one stop bit");
  note(!dcb.fBinary, "not binary");
  note(dcb.fOutX, "XON/XOFF output on");
  note(dcb.fInX, "XON/XOFF input on");
  note(dcb.fOutxCtsFlow, "CTS flow control on");
  note(dcb.fOutxDsrFlow, "DSR flow control on");
  note(dcb.fDsrSensitivity, "DSR sensitivity on");
  note(dcb.fRtsControl == RTS_CONTROL_HANDSHAKE || dcb.fRtsControl == RTS_CONTROL_TOGGLE,
       "RTS flow control on");
  note(dcb.fDtrControl == DTR_CONTROL_HANDSHAKE, "DTR flow control on");
  note(dcb.fNull, "null bytes discarded");
  note(dcb.fErrorChar, "error replacement on");
  return text;
}

std::string DescribeDcb(const DCB& dcb) {
  static constexpr const char* kParities[] = {"no parity", "odd parity", "even parity",
                                              "mark parity", "space parity"};
  static constexpr const char* kStopBits[] = {"1 stop bit", "1.5 stop bits", "2 stop bits"};
  std::string text = std::to_string(dcb.BaudRate) + " baud, " + std::to_string(dcb.ByteSize) +
                     " data bits, " + (dcb.Parity < 5 ? kParities[dcb.Parity] : "parity ?") + ", " +
                     (dcb.StopBits < 3 ? kStopBits[dcb.StopBits] : "stop bits ?");
  const std::string mismatch = DcbMismatch(dcb);
  return text + (mismatch.empty() ? ", raw" : "; not the unit's line: " + mismatch);
}

}  // namespace tqr417
