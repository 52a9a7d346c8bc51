#include "ui/startup_arguments.h"

namespace tqr417::ui {

namespace {

constexpr const char* kUsage =
    "Usage: tqr417 [FILE]\n"
    "Opens the setup window; with FILE, a .417 configuration file, loads it first.";

StartupRequest Usage(const std::string& problem) { return {{}, problem + "\n\n" + kUsage}; }

}  // namespace

StartupRequest ParseStartupArguments(const std::vector<std::string>& arguments) {
  std::vector<std::string> files;
  bool optionsEnded = false;
  for (const std::string& argument : arguments) {
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
      if (argument == "--help" || argument == "-h") return Usage("tqr417: the setup application.");
      return Usage("Unknown option \"" + argument + "\".");
    } else {
      files.push_back(argument);
    }
  }
  if (files.size() > 1) {
    return Usage("Only one file can be loaded at start; \"" + files[1] + "\" was also given.");
  }
  if (!files.empty() && files[0].empty()) return Usage("The file name given is empty.");
  return {files.empty() ? std::string() : files[0], {}};
}

}  // namespace tqr417::ui
