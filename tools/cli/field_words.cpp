#include "tools/cli/field_words.h"

#include <cstdio>

#include "config/entry_label.h"

namespace tqr417::cli {

namespace {

bool InRange(const FieldInfo& field, const UnitConfig& config, int entry) {
  if (field.kind != FieldKind::kText) {
    const int value = field.ref.Number(config, entry);
    return value >= field.minValue && value <= field.maxValue;
  }
  const std::string& text = field.ref.Text(config, entry);
  if (!field.allowedTexts.empty()) {
    for (std::string_view allowed : field.allowedTexts) {
      if (text == allowed) return true;
    }
    return false;
  }
  return field.maxValue == 0 || static_cast<int>(text.size()) <= field.maxValue;
}

}  // namespace

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

std::string ValueText(const FieldInfo& field, const UnitConfig& config, int entry) {
  if (field.ref.IsText()) return QuotedText(field.ref.Text(config, entry));
  const int value = field.ref.Number(config, entry);
  std::string text = std::to_string(value);
  if (value >= 0 && value < static_cast<int>(field.choiceNames.size())) {
    text += " (" + std::string(field.choiceNames[value]) + ")";
  }
  return text;
}

std::string RangeText(const FieldInfo& field) {
  switch (field.kind) {
    case FieldKind::kFlag:
      return "0 or 1";
    case FieldKind::kText: {
      if (field.allowedTexts.empty())
        return "at most " + std::to_string(field.maxValue) + " characters";
      std::string list = "one of";
      for (std::string_view text : field.allowedTexts) list += " " + std::string(text);
      return list;
    }
    default:
      return std::to_string(field.minValue) + " to " + std::to_string(field.maxValue);
  }
}

bool WindowAccepts(const FieldInfo& field, const UnitConfig& config, int entry) {
  return &field == &fields::relay || InRange(field, config, entry);
}

std::string OutOfRangeLine(const FieldInfo& field, const UnitConfig& config, int entry) {
  return FieldLabel(field, entry) + "  " + ValueText(field, config, entry) +
         "  (accepted: " + RangeText(field) + ")";
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
