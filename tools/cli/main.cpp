// tqr417-cli: the command-line companion of the TQR-417 setup application.
#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "tools/cli/command_support.h"
#include "tools/cli/commands.h"
#include "tools/cli/console_edge.h"
#include "tools/version.h"

int main(int argc, char** argv) {
  CLI::App app{
      "TQR-417 configuration companion: offline file and frame work, and transfers "
      "with a unit on a serial port.",
      "tqr417-cli"};
  // "/Users/x/site.417" is a path on every system, never an option (CLI11 reads "/name" as one
  // on Windows unless told not to). Set before the commands are added: they copy it.
  app.allow_windows_style_options(false);
  app.set_version_flag("--version", std::string("tqr417-cli ") + tqr417::kVersion);
  app.set_help_all_flag("--help-all", "Print the help of every command and exit");
  app.require_subcommand(1);
  app.footer(tqr417::cli::kExitCodesHelp);
  int exitCode = 0;
  tqr417::cli::AddOfflineCommands(app, exitCode);
  tqr417::cli::AddCompareCommands(app, exitCode);
  tqr417::cli::AddDataCommands(app, exitCode);
  tqr417::cli::AddLinkCommands(app, exitCode);
  tqr417::cli::AddReportCommands(app, exitCode);
  const std::vector<std::string> arguments = tqr417::cli::ArgumentsAsUtf8(argc, argv);
  // CLI11 takes the program's name first; a program started without one gets its own.
  std::vector<const char*> pointers;
  if (arguments.empty()) pointers.push_back("tqr417-cli");
  for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
  CLI11_PARSE(app, static_cast<int>(pointers.size()), pointers.data());
  return tqr417::cli::FinishOutput(exitCode);
}
