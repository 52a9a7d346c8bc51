#pragma once
// The companion's two transfers with a unit, as send and recv make them: the port options
// the transfer commands take, and an upload and a download that tell their outcome in the
// application's words. Every command that talks to a unit goes through these.

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "config/unit_config.h"
#include "link/line_trace.h"

namespace tqr417::cli {

struct PortOptions {
  std::string port = "com1";  // "com1" or "com2"
  std::string device;         // when not empty, opened instead of the Com port
  std::string tracePath;      // when not empty, every transfer of the command is traced there
  // The trace, opened by the command's first transfer before it opens the port.
  std::shared_ptr<LineTrace> trace = std::make_shared<LineTrace>();
};

// Adds --port, --device and --trace to `command`.
void AddPortOptions(CLI::App& command, PortOptions& options);

// Uploads `config`. Prints the outcome (standard output for the OK message, standard error
// otherwise) and returns kExitOk when the unit accepted it, kExitNegative when it refused or
// did not answer, kExitError when the port did not open or the line failed part-way. With
// --trace, kExitError also when the trace file cannot be written: before the port is opened
// when it cannot be created, after the transfer when a line of it was lost.
int UploadToUnit(const UnitConfig& config, const PortOptions& options);

// Downloads the unit's configuration into `config`, which changes only for a complete, intact
// frame. Prints the outcome and returns the exit code as UploadToUnit does.
int DownloadFromUnit(UnitConfig& config, const PortOptions& options);

}  // namespace tqr417::cli
