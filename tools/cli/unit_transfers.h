#pragma once
// The companion's two transfers with a unit, as send and recv make them: the port options
// the transfer commands take, and an upload and a download that tell their outcome in the
// application's words. Every command that talks to a unit goes through these.

#include <CLI/CLI.hpp>
#include <string>

#include "config/unit_config.h"

namespace tqr417::cli {

struct PortOptions {
  std::string port = "com1";  // "com1" or "com2"
  std::string device;         // when not empty, opened instead of the Com port
};

// Adds --port and --device to `command`.
void AddPortOptions(CLI::App& command, PortOptions& options);

// Uploads `config`. Prints the outcome (standard output for the OK message, standard error
// otherwise) and returns kExitOk when the unit accepted it, kExitNegative when it refused or
// did not answer, kExitError when the port did not open or the line failed part-way.
int UploadToUnit(const UnitConfig& config, const PortOptions& options);

// Downloads the unit's configuration into `config`, which changes only for a complete, intact
// frame. Prints the outcome and returns the exit code as UploadToUnit does.
int DownloadFromUnit(UnitConfig& config, const PortOptions& options);

}  // namespace tqr417::cli
