#pragma once
// The DCB of the line to the TQR-417 (Windows only): 4800 baud, 8 data bits, no parity, one
// stop bit, binary, with every kind of flow control and character handling off, so that
// every byte value 0x00 to 0xFF passes unchanged. Every field is set: a DCB taken from
// GetCommState may carry XON/XOFF or hardware flow control from the port's last user, and
// XON/XOFF swallows the bytes 0x11 and 0x13 of a frame.

#include <windows.h>

#include <string>

namespace tqr417 {

// Sets every field of `dcb` except DCBlength to the unit's line settings. DTR and RTS are
// held on, as a POSIX serial port raises them on open.
void MakeUnitDcb(DCB& dcb);

// Empty when `dcb` holds the unit's line settings; otherwise what differs, such as
// "speed 9600, XON/XOFF output on". Used to check what the port took.
std::string DcbMismatch(const DCB& dcb);

// The settings in words, e.g. "4800 baud, 8 data bits, no parity, 1 stop bit, raw", followed
// by what differs from the unit's line settings when anything does.
std::string DescribeDcb(const DCB& dcb);

}  // namespace tqr417
