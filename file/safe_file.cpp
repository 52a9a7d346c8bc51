#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <limits>

#include "file/safe_file_messages.h"
#include "platform/os_error.h"

namespace tqr417 {

Status FileStepFailed(const char* verb, const std::string& path, const std::string& step,
                      int osError) {
  return Status::Error(StatusCode::kIoError,
                       std::string("Cannot ") + verb + " \"" + path + "\": " + step + " failed (" +
                           OsErrorText(osError) + ").",
                       osError);
}

Status NotAFile(const char* verb, const std::string& path, bool folder, int osError) {
  return Status::Error(StatusCode::kIoError,
                       std::string("Cannot ") + verb + " \"" + path + "\": it is " +
                           (folder ? "a folder" : "a device or a pipe") + ", not a file.",
                       osError);
}

Status FolderNotFlushed(const std::string& path, int osError) {
  // The technician should know the save may not last rather than be told it went well.
  return Status::Error(StatusCode::kIoError,
                       "\"" + path + "\" was written, but its folder could not be flushed to " +
                           "the disk (" + OsErrorText(osError) +
                           "); the save may be lost if the computer stops now.",
                       osError);
}

Status ReadOnlyRefused(const std::string& path) {
  return Status::Error(StatusCode::kRefused,
                       "Cannot save \"" + path + "\": the file is read-only.");
}

Status SavedWithLoss(const std::string& path, const std::vector<std::string>& lost,
                     const std::string& reason) {
  std::string what;
  for (std::size_t i = 0; i < lost.size(); ++i) {
    what += (i == 0 ? "" : i + 1 == lost.size() ? " and " : ", ") + lost[i];
  }
  return Status::OkWithWarning("Saved \"" + path + "\", but could not keep " + what + " (" +
                               reason + ").");
}

std::string TemporaryFileName(unsigned long processId) {
  static std::atomic<unsigned> counter{0};
  const auto now =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  char name[64];
  std::snprintf(name, sizeof name, ".tqr417-%lu-%u-%llx.tmp", processId, counter++, now);
  return name;
}

std::optional<unsigned long> TemporaryFileOwner(std::string_view name) {
  // ".tqr417-" process "-" counter "-" hex time ".tmp", every part digits.
  constexpr std::string_view kPrefix = ".tqr417-";
  constexpr std::string_view kSuffix = ".tmp";
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return std::nullopt;
  name = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  const auto part = [&name](bool hex) -> std::optional<unsigned long long> {
    const std::size_t end = name.find('-');
    const std::string_view digits = name.substr(0, end);
    name = end == std::string_view::npos ? std::string_view() : name.substr(end + 1);
    unsigned long long value = 0;
    const auto [stop, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
    if (digits.empty() || error != std::errc() || stop != digits.data() + digits.size()) {
      return std::nullopt;
    }
    return value;
  };
  const std::optional<unsigned long long> process = part(false);
  const std::optional<unsigned long long> counter = part(false);
  const bool last = name.find('-') == std::string_view::npos;
  const std::optional<unsigned long long> time = part(true);
  if (!process || !counter || !time || !last || *process == 0 ||
      *process > std::numeric_limits<unsigned long>::max()) {
    return std::nullopt;
  }
  return static_cast<unsigned long>(*process);
}

}  // namespace tqr417
