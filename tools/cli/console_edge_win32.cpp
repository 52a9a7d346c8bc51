#include <windows.h>
// shellapi.h needs <windows.h> first.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/wide_text.h"
#include "tools/cli/console_edge.h"

namespace tqr417::cli {

std::vector<std::string> ArgumentsAsUtf8(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  // Without the wide command line (out of memory), the ANSI arguments are all there is.
  if (wide == nullptr) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments = Utf8FromWideArguments(count, wide);
  LocalFree(wide);
  return arguments;
}

bool SetBinaryStandardOutput() {
  std::fflush(stdout);
  return _setmode(_fileno(stdout), _O_BINARY) != -1;
}

bool StandardOutputIsTerminal() { return _isatty(_fileno(stdout)) != 0; }

}  // namespace tqr417::cli
