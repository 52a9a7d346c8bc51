// The program's arguments from the wide command line: a windowed program's narrow arguments
// are in the ANSI code page, which cannot spell every file name.
#include <windows.h>
// shellapi.h needs <windows.h> first.
#include <shellapi.h>

#include "platform/wide_text.h"
#include "ui/startup_arguments.h"

namespace tqr417::ui {

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return {};
  std::vector<std::string> arguments = Utf8FromWideArguments(count, wide);
  LocalFree(wide);
  if (!arguments.empty()) arguments.erase(arguments.begin());  // the program's own name
  return arguments;
}

}  // namespace tqr417::ui
