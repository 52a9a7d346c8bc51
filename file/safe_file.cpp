#include <atomic>
#include <chrono>
#include <cstdio>

#include "file/safe_file_messages.h"

namespace tqr417 {

Status FileStepFailed(const char* verb, const std::string& path, const std::string& step,
                      const std::string& reason, int osError) {
  return Status::Error(
      StatusCode::kIoError,
      std::string("Cannot ") + verb + " \"" + path + "\": " + step + " failed (" + reason + ").",
      osError);
}

Status NotAFile(const char* verb, const std::string& path, bool folder, int osError) {
  return Status::Error(StatusCode::kIoError,
                       std::string("Cannot ") + verb + " \"" + path + "\": it is " +
                           (folder ? "a folder" : "a device or a pipe") + ", not a file.",
                       osError);
}

Status FolderNotFlushed(const std::string& path, const std::string& reason, int osError) {
  // The technician should know the save may not last rather than be told it went well.
  return Status::Error(StatusCode::kIoError,
                       "\"" + path + "\" was written, but its folder could not be flushed to " +
                           "the disk (" + reason + "); the save may be lost if the computer " +
                           "stops now.",
                       osError);
}

std::string TemporaryFileName(unsigned long processId) {
  static std::atomic<unsigned> counter{0};
  const auto now =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  char name[64];
  std::snprintf(name, sizeof name, ".tqr417-%lu-%u-%llx.tmp", processId, counter++, now);
  return name;
}

}  // namespace tqr417
