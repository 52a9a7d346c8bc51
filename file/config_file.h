#pragma once
// The configuration file: 208 lines of plain text, CR LF after every line, that carry every
// field of the three groups of a UnitConfig in one fixed order (config_file_layout.h).

#include <string>
#include <string_view>

#include "config/status.h"
#include "config/unit_config.h"
#include "file/safe_file.h"

namespace tqr417 {

// The file's text, byte for byte. Refuses (kRefused, naming the entry such as "F05") a
// relay label that holds white space, since it could not be read back as one word.
Status FormatConfigFile(const UnitConfig& config, std::string& text);

// Reads `text` word by word into a copy of `config` and commits the copy only when the whole
// text was taken. A word where a number is expected refuses the text with a message naming the
// line, the field and the entry (the caller names the file); `config` is then unchanged.
Status ParseConfigFile(std::string_view text, UnitConfig& config);

// Writes a temporary file beside `path`, flushes and syncs it, then renames it over `path`,
// so a failed save leaves any earlier file intact; a read-only file is refused unless
// `readOnly` says replace (ReplaceFileContents, safe_file.h, tells what else the save keeps and
// which warnings an ok status carries). Messages name the file and the reason.
Status SaveConfigFile(const std::string& path, const UnitConfig& config,
                      ReadOnlyFile readOnly = ReadOnlyFile::kRefuse);

// Reads the file at `path`; on any failure `config` is unchanged and the message names `path`.
Status LoadConfigFile(const std::string& path, UnitConfig& config);

}  // namespace tqr417
