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

int SaveFile(const std::string& path, const UnitConfig& config) {
  const Status status = SaveConfigFile(path, config);
  if (status.ok()) return kExitOk;
  std::cerr << status.message() << "\n";
  return kExitError;
}

int WriteResult(const std::string& outputPath, std::string_view contents) {
  if (outputPath.empty()) {
    std::fwrite(contents.data(), 1, contents.size(), stdout);
    return kExitOk;
  }
  const Status written = ReplaceFileContents(outputPath, contents);
  if (written.ok()) return kExitOk;
  std::cerr << written.message() << "\n";
  return kExitError;
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
