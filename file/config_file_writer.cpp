// FormatConfigFile: the configuration as the file's 208 lines, walked from the file layout.

#include <algorithm>

#include "config/entry_label.h"
#include "config/text_number.h"
#include "file/config_file.h"
#include "file/config_file_layout.h"
#include "file/text_scanner.h"

namespace tqr417 {

namespace {

std::string ValueText(const FileItem& item, const UnitConfig& config, int entry) {
  const FieldRef& ref = item.field->ref;
  switch (item.conversion) {
    case FileConversion::kPttFrequency:
      return DecimalText(AtoiValue(ref.Text(config, entry)));
    case FileConversion::kRelayWord: {
      const std::string& label = ref.Text(config, entry);
      return label.empty() ? std::string(kNoRelayWord) : label;
    }
    case FileConversion::kMorseLine:
      return ref.Text(config, entry);
    case FileConversion::kNumber:
      break;
  }
  return DecimalText(ref.Number(config, entry));
}

// Why a text cannot be written so that it reads back as it stands, or an empty string. A
// relay label is read back as one word: white space inside it would end the label early and
// shift every later value of the file onto the wrong field. The Morse text is read back up
// to the end of its line: a line break inside it would cut it there.
std::string CannotBeReadBack(const FileItem& item, const UnitConfig& config, int entry) {
  if (item.conversion == FileConversion::kRelayWord) {
    const std::string& label = item.field->ref.Text(config, entry);
    if (std::any_of(label.begin(), label.end(), IsFileWhiteSpace)) {
      return "The relay label of " + FormatEntryLabel(entry, 'F') +
             " holds white space, which a configuration file cannot carry; remove it and save "
             "again.";
    }
  } else if (item.conversion == FileConversion::kMorseLine) {
    const std::string& text = item.field->ref.Text(config, entry);
    if (text.find_first_of("\r\n") != std::string::npos) {
      return "The Morse Code String holds a line break, which a configuration file cannot "
             "carry; correct it in \"Morse Code\" and save again.";
    }
  }
  return {};
}

}  // namespace

Status FormatConfigFile(const UnitConfig& config, std::string& text) {
  std::string out;
  out.reserve(4096);
  Status status;
  WalkFileLines([&](const FileLine& line, int entry) {
    for (size_t i = 0; i < line.items.size(); ++i) {
      const FileItem& item = line.items[i];
      if (status.ok()) {
        if (std::string reason = CannotBeReadBack(item, config, entry); !reason.empty()) {
          status = Status::Error(StatusCode::kRefused, std::move(reason));
        }
      }
      if (i > 0) out += line.separator;
      out += ValueText(item, config, entry);
    }
    out += kLineEnd;
  });
  if (status.ok()) text = std::move(out);
  return status;
}

}  // namespace tqr417
