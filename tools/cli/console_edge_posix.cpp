#include "tools/cli/console_edge.h"

namespace tqr417::cli {

std::vector<std::string> ArgumentsAsUtf8(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

bool SetBinaryStandardOutput() { return true; }

}  // namespace tqr417::cli
