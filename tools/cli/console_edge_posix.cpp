#include <unistd.h>

#include "tools/cli/console_edge.h"

namespace tqr417::cli {

std::vector<std::string> ArgumentsAsUtf8(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

bool SetBinaryStandardOutput() { return true; }

bool StandardOutputIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

}  // namespace tqr417::cli
