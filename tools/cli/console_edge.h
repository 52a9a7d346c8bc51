#pragma once
// Where the companion meets the system that starts it: its arguments and its standard output.
// One backend file per platform (console_edge_posix.cpp, console_edge_win32.cpp).

#include <string>
#include <vector>

namespace tqr417::cli {

// The program's arguments, its name first, as UTF-8: on POSIX systems `argv` as it stands
// (file names are bytes there); on Windows the wide command line, as `argv` holds only the
// ANSI code page's approximation of any other character.
std::vector<std::string> ArgumentsAsUtf8(int argc, char** argv);

// Makes standard output pass bytes through unchanged (Windows writes each 0x0A in text mode
// as 0x0D 0x0A; POSIX systems never change them). Call before anything is written to it.
// False when the system refused.
bool SetBinaryStandardOutput();

// True when standard output is a terminal (a console window on Windows), where the
// configuration sheet is shown as text rather than as a page.
bool StandardOutputIsTerminal();

}  // namespace tqr417::cli
