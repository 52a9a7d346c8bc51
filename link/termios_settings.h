#pragma once
// The termios settings of the line to the TQR-417 (POSIX only): 4800 baud, 8 data bits, no
// parity, one stop bit, and raw, so that every byte value 0x00 to 0xFF passes unchanged.
// A fresh port is not raw: ICRNL, IXON, OPOST with ONLCR, ISIG, ICANON and ECHO are on, and
// each of them changes, drops or adds bytes.

#include <termios.h>

#include <string>

namespace tqr417 {

// Changes `settings` (as read from the port) into the unit's line settings, reads
// returning at once when nothing is queued (the read time-out is kept by the caller).
void MakeUnitLineSettings(termios& settings);

// Empty when `settings` are the unit's line settings; otherwise what differs, such as
// "speed 9600, ECHO on". Used to verify the settings a port took, and by the simulated unit
// to check what the application set.
std::string LineSettingsMismatch(const termios& settings);

// The settings in words, e.g. "4800 baud, 8 data bits, no parity, 1 stop bit, raw", followed
// by what differs from the unit's line settings when anything does.
std::string DescribeLineSettings(const termios& settings);

}  // namespace tqr417
