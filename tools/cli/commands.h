#pragma once
// Subcommands of tqr417-cli. Each Add function registers its subcommands on `app`; a
// subcommand's callback sets `exitCode` (0 success, 1 a negative result, 2 an error).

#include <CLI/CLI.hpp>

namespace tqr417::cli {

// new, show, check, frame, unframe: files and frames, no unit needed.
void AddOfflineCommands(CLI::App& app, int& exitCode);

// export, import, get, set: a configuration as data.
void AddDataCommands(CLI::App& app, int& exitCode);

// diff, verify: comparisons of configurations, and of a file with what a unit holds.
void AddCompareCommands(CLI::App& app, int& exitCode);

// send, recv, ports: transfers with a unit on a serial port.
void AddLinkCommands(CLI::App& app, int& exitCode);

// report: the configuration sheet of a file, as text or as a page for printing.
void AddReportCommands(CLI::App& app, int& exitCode);

}  // namespace tqr417::cli
