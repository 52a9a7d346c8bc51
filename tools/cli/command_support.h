#pragma once
// What the companion's commands share: exit codes, and configuration files read and written
// with any failure told on standard error.

#include <CLI/CLI.hpp>
#include <string>
#include <string_view>

#include "config/unit_config.h"

namespace tqr417::cli {

// The exit codes, one table for every command.
inline constexpr int kExitOk = 0;        // done: the same, nothing to report
inline constexpr int kExitNegative = 1;  // refused or different: a value refused or out of
                                         // range, a difference, an upload the unit did not take
inline constexpr int kExitError = 2;     // the port, the line or a file failed
// The table as --help and the manual page give it.
inline constexpr const char* kExitCodesHelp =
    "Exit status, the same for every command: 0 done (the same, nothing out of range); "
    "1 refused or different (a value refused or out of range, a difference, an upload the "
    "unit did not take); 2 the port, the line or a file failed (a port that does not open, a "
    "download that timed out or came damaged, a file that cannot be read or written, a "
    "damaged frame file).";

// Reads the file at `path` over the start-up configuration. On failure says why on standard
// error and returns false.
bool LoadFile(const std::string& path, UnitConfig& config);

// Adds --force to a command that writes a file: a read-only file is then replaced (and stays
// read-only) instead of refused. `also` describes what else the flag does for the command.
void AddForceFlag(CLI::App& command, const std::string& also = "");
// True when the running command was given --force.
bool Forced();

// Saves `config` to `path` through the safe save: kExitOk, or kExitError with the reason on
// standard error (kExitNegative for a read-only file without --force). A save that could not
// keep all the old file was (its group) is made and says so on standard error.
int SaveFile(const std::string& path, const UnitConfig& config);

// Writes `contents` to the file at `outputPath` through the safe save, as SaveFile does, or to
// standard output when `outputPath` is empty.
int WriteResult(const std::string& outputPath, std::string_view contents);

// Flushes standard output: kExitError with a message on standard error when anything written
// to it was lost (a full disk, a closed pipe), else `exitCode`.
int FinishOutput(int exitCode);

}  // namespace tqr417::cli
