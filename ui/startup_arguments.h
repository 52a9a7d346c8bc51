#pragma once
// What the program's command line asks for at start: at most one configuration file to load
// before the main window shows. Anything else is answered with a short usage message, and
// the program still opens.

#include <string>
#include <vector>

namespace tqr417::ui {

struct StartupRequest {
  std::string file;   // the file to load at start; empty for none
  std::string usage;  // when the command line was not understood: what to tell the technician
};

// `arguments` are the program's arguments after its own name, in UTF-8. "--" ends the
// options, so that a file whose name starts with "-" can be given.
StartupRequest ParseStartupArguments(const std::vector<std::string>& arguments);

// The program's arguments after its own name, in UTF-8: on Windows from the wide command
// line, so that any script's file name arrives whole. Defined by ui/<toolkit>/command_line.cpp.
std::vector<std::string> CommandLineArguments();

}  // namespace tqr417::ui
