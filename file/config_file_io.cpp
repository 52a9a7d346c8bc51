// SaveConfigFile and LoadConfigFile: the configuration file's text to and from the disk.

#include "file/config_file.h"
#include "file/safe_file.h"

namespace tqr417 {

Status SaveConfigFile(const std::string& path, const UnitConfig& config, ReadOnlyFile readOnly) {
  std::string text;
  if (Status status = FormatConfigFile(config, text); !status.ok()) {
    return Status::Error(status.code(),
                         "Nothing was saved to \"" + path + "\". " + status.message());
  }
  return ReplaceFileContents(path, text, readOnly);
}

Status LoadConfigFile(const std::string& path, UnitConfig& config) {
  std::string text;
  if (Status status = ReadWholeFile(path, text); !status.ok()) return status;
  const Status parsed = ParseConfigFile(text, config);
  if (parsed.ok()) return parsed;
  return Status::Error(parsed.code(), "Cannot load \"" + path + "\": " + parsed.message());
}

}  // namespace tqr417
