// ParseConfigFile: reads the file's values word by word in the order of the file layout.
//
// The text is read into a copy of the configuration, which replaces the caller's only when
// every value has been taken, so a refused file changes nothing. Where the text ends early,
// the numbers it does not hold keep their values, while the relay labels and the Morse text
// it does not hold become empty.

#include <climits>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "config/entry_label.h"
#include "config/text_number.h"
#include "file/config_file.h"
#include "file/config_file_layout.h"
#include "file/text_scanner.h"

namespace tqr417 {

namespace {

// A whole word of an optional sign and decimal digits whose value fits in an int; anything
// else (trailing letters, a lone sign, an overflow) is no number.
std::optional<int> WholeNumber(std::string_view word) {
  size_t i = 0;
  const bool negative = !word.empty() && word[0] == '-';
  if (!word.empty() && (word[0] == '-' || word[0] == '+')) ++i;
  if (i == word.size()) return std::nullopt;
  const int64_t limit = negative ? -int64_t{INT_MIN} : int64_t{INT_MAX};
  int64_t value = 0;
  for (; i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') return std::nullopt;
    value = value * 10 + (word[i] - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<int>(negative ? -value : value);
}

// The word as a message shows it: at most 24 characters, bytes that are not printable ASCII
// written as \xNN, so that a binary file gives a readable message.
std::string ShownWord(std::string_view word) {
  constexpr size_t kMaxShown = 24;
  std::string shown;
  for (size_t i = 0; i < word.size() && i < kMaxShown; ++i) {
    const auto c = static_cast<unsigned char>(word[i]);
    if (c >= 0x20 && c < 0x7F) {
      shown += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      shown += hex;
    }
  }
  if (word.size() > kMaxShown) shown += "...";
  return shown;
}

Status NotANumber(int line, std::string_view word, const FieldInfo& field, int entry) {
  std::string expected = std::string(field.caption) + " (" + std::string(field.name) + ")";
  if (field.ref.IsTableField()) expected += " of " + FormatEntryLabel(entry, 'F');
  return Status::Error(StatusCode::kInvalidInput, "line " + std::to_string(line) + " holds \"" +
                                                      ShownWord(word) +
                                                      "\" where a number is expected for " +
                                                      expected + ". Nothing was loaded.");
}

class FileReader {
 public:
  FileReader(std::string_view text, UnitConfig& config) : scanner_(text), config_(config) {}

  Status Read(const FileItem& item, int entry) {
    const FieldRef& ref = item.field->ref;
    scanner_.SkipWhiteSpace();
    switch (item.conversion) {
      case FileConversion::kRelayWord: {
        const std::string_view word = scanner_.NextWord();
        ref.Text(config_, entry) = word == kNoRelayWord ? std::string() : std::string(word);
        return Status::Ok();
      }
      case FileConversion::kMorseLine:
        ref.Text(config_, entry) = std::string(scanner_.RestOfLine().substr(0, kMorseTextMaxChars));
        return Status::Ok();
      case FileConversion::kNumber:
      case FileConversion::kPttFrequency:
        break;
    }
    if (scanner_.AtEnd()) return Status::Ok();
    const int line = scanner_.line();
    const std::string_view word = scanner_.NextWord();
    const std::optional<int> number = WholeNumber(word);
    if (!number) return NotANumber(line, word, *item.field, entry);
    if (item.conversion == FileConversion::kPttFrequency) {
      ref.Text(config_, entry) = DecimalText(*number);
    } else {
      ref.Number(config_, entry) = *number;
    }
    return Status::Ok();
  }

 private:
  TextScanner scanner_;
  UnitConfig& config_;
};

}  // namespace

Status ParseConfigFile(std::string_view text, UnitConfig& config) {
  UnitConfig copy = config;
  FileReader reader(text, copy);
  Status status;
  WalkFileLines([&](const FileLine& line, int entry) {
    for (const FileItem& item : line.items) {
      if (!status.ok()) return;
      status = reader.Read(item, entry);
    }
  });
  if (status.ok()) config = std::move(copy);
  return status;
}

}  // namespace tqr417
