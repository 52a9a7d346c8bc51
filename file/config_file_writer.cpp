// FormatConfigFile: the configuration as the file's 208 lines, walked from the file layout.

#include "config/entry_label.h"
#include "config/text_number.h"
#include "file/config_file.h"
#include "file/config_file_layout.h"
#include "file/file_text_rules.h"

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

// Why a text cannot be written without spoiling the file, as a sentence, or an empty string.
std::string CannotBeReadBack(const FileItem& item, const UnitConfig& config, int entry) {
  if (!item.field->ref.IsText()) return {};
  const FileTextCheck check = WhyFileCannotHold(*item.field, item.field->ref.Text(config, entry));
  if (check.spoils.empty()) return {};
  if (item.conversion == FileConversion::kRelayWord) {
    return "The relay label of " + FormatEntryLabel(entry, 'F') + " " + check.spoils +
           "; remove it and save again.";
  }
  return "The Morse Code String " + check.spoils + "; correct it in \"Morse Code\" and save again.";
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
