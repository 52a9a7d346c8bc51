// tqr417-cli: the command-line companion of the TQR-417 setup application.
#include <CLI/CLI.hpp>
#include <string>

#include "tools/cli/command_support.h"
#include "tools/cli/commands.h"
#include "tools/version.h"

int main(int argc, char** argv) {
  CLI::App app{
      "TQR-417 configuration companion: offline file and frame work, and transfers "
      "with a unit on a serial port.",
      "tqr417-cli"};
  app.set_version_flag("--version", std::string("tqr417-cli ") + tqr417::kVersion);
  app.set_help_all_flag("--help-all", "Print the help of every command and exit");
  app.require_subcommand(1);
  int exitCode = 0;
  tqr417::cli::AddOfflineCommands(app, exitCode);
  tqr417::cli::AddCompareCommands(app, exitCode);
  tqr417::cli::AddDataCommands(app, exitCode);
  tqr417::cli::AddLinkCommands(app, exitCode);
  CLI11_PARSE(app, argc, argv);
  return tqr417::cli::FinishOutput(exitCode);
}
