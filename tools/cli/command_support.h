#pragma once
// What the companion's commands share: exit codes, and configuration files read and written
// with any failure told on standard error.

#include <string>
#include <string_view>

#include "config/unit_config.h"

namespace tqr417::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitNegative = 1;  // a negative answer: values out of range, a refusal
inline constexpr int kExitError = 2;     // the command could not do its work

// Reads the file at `path` over the start-up configuration. On failure says why on standard
// error and returns false.
bool LoadFile(const std::string& path, UnitConfig& config);

// Saves `config` to `path` through the safe save: kExitOk, or kExitError with the reason on
// standard error.
int SaveFile(const std::string& path, const UnitConfig& config);

// Writes `contents` to the file at `outputPath` through the safe save, or to standard output
// when `outputPath` is empty: kExitOk, or kExitError with the reason on standard error.
int WriteResult(const std::string& outputPath, std::string_view contents);

// Flushes standard output: kExitError with a message on standard error when anything written
// to it was lost (a full disk, a closed pipe), else `exitCode`.
int FinishOutput(int exitCode);

}  // namespace tqr417::cli
