#include "tools/cli/command_support.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "config/defaults.h"
#include "file/config_file.h"
#include "file/safe_file.h"

namespace tqr417::cli {

bool LoadFile(const std::string& path, UnitConfig& config) {
  config = StartupConfig();
  const Status status = LoadConfigFile(path, config);
  if (!status.ok()) std::cerr << status.message() << "\n";
  return status.ok();
}

namespace {

bool g_forced = false;

ReadOnlyFile ReadOnlyRule() { return g_forced ? ReadOnlyFile::kReplace : ReadOnlyFile::kRefuse; }

// The save's outcome as an exit code, its message (a warning too) on standard error.
int Saved(const Status& status) {
  if (!status.message().empty()) std::cerr << status.message() << "\n";
  if (status.ok()) return kExitOk;
  return status.code() == StatusCode::kRefused ? kExitNegative : kExitError;
}

}  // namespace

void AddForceFlag(CLI::App& command, const std::string& also) {
  command.add_flag("--force", g_forced,
                   (also.empty() ? std::string() : also + "; ") +
                       "replace a read-only file (it stays read-only)");
}

bool Forced() { return g_forced; }

int SaveFile(const std::string& path, const UnitConfig& config) {
  return Saved(SaveConfigFile(path, config, ReadOnlyRule()));
}

int WriteResult(const std::string& outputPath, std::string_view contents) {
  if (outputPath.empty()) {
    std::fwrite(contents.data(), 1, contents.size(), stdout);
    return kExitOk;
  }
  return Saved(ReplaceFileContents(outputPath, contents, ReadOnlyRule()));
}

int FinishOutput(int exitCode) {
  errno = 0;
  const bool flushed = std::fflush(stdout) == 0;
  const int error = errno;
  if (flushed && !std::ferror(stdout) && std::cout.good()) return exitCode;
  std::cerr << "Cannot write to standard output";
  if (error != 0) std::cerr << " (" << std::strerror(error) << ")";
  std::cerr << ".\n";
  return kExitError;
}

}  // namespace tqr417::cli
