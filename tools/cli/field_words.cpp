#include "tools/cli/field_words.h"

#include <cstdio>

#include "config/entry_label.h"

namespace tqr417::cli {

std::string FieldLabel(const FieldInfo& field, int entry) {
  std::string label(field.name);
  if (field.ref.IsTableField()) label += " " + FormatEntryLabel(entry, 'F');
  return label;
}

std::string QuotedText(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte >= 0x20 && byte < 0x7F) {
      quoted += c;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      quoted += hex;
    }
  }
  return quoted + "\"";
}

std::string QuotedExcerpt(const std::string& text) {
  constexpr std::size_t kShown = 60;
  if (text.size() <= kShown) return QuotedText(text);
  std::string quoted = QuotedText(text.substr(0, kShown));
  quoted.insert(quoted.size() - 1, "...");
  return quoted + " (" + std::to_string(text.size()) + " characters)";
}

std::string ValueText(const FieldInfo& field, const UnitConfig& config, int entry) {
  if (field.ref.IsText()) return QuotedText(field.ref.Text(config, entry));
  const int value = field.ref.Number(config, entry);
  std::string text = std::to_string(value);
  if (value >= 0 && value < static_cast<int>(field.choiceNames.size())) {
    text += " (" + std::string(field.choiceNames[value]) + ")";
  }
  return text;
}

std::string OutOfRangeLine(const FieldInfo& field, const UnitConfig& config, int entry) {
  return FieldLabel(field, entry) + "  " + ValueText(field, config, entry) +
         "  (accepted: " + AcceptedRangeText(field) + ")";
}

std::vector<std::string> OutOfRange(const UnitConfig& config) {
  std::vector<std::string> problems;
  for (const FieldInfo* field : AllFields()) {
    const int entries = field->ref.IsTableField() ? kEntryCount : 1;
    for (int e = 0; e < entries; ++e) {
      if (!WindowAccepts(*field, config, e)) problems.push_back(OutOfRangeLine(*field, config, e));
    }
  }
  return problems;
}

}  // namespace tqr417::cli
