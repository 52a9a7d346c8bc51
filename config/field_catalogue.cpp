#include "config/field_catalogue.h"

#include <algorithm>
#include <array>
#include <string>

namespace tqr417 {

namespace {

constexpr auto kPointers = [] {
  std::array<const FieldInfo*, std::size(catalogue_rows::kRows)> pointers{};
  for (size_t i = 0; i < pointers.size(); ++i) pointers[i] = &catalogue_rows::kRows[i];
  return pointers;
}();

}  // namespace

std::span<const FieldInfo* const> AllFields() { return kPointers; }

const FieldInfo* FindField(std::string_view name) {
  auto it = std::find_if(kPointers.begin(), kPointers.end(),
                         [name](const FieldInfo* f) { return f->name == name; });
  return it == kPointers.end() ? nullptr : *it;
}

bool WindowAccepts(const FieldInfo& field, int value) {
  return field.check == WindowCheck::kNone || (value >= field.minValue && value <= field.maxValue);
}

bool WindowAccepts(const FieldInfo& field, std::string_view text) {
  if (field.check == WindowCheck::kNone) return true;
  // A drop-down list holds only the texts it offers.
  if (!field.allowedTexts.empty()) {
    return std::find(field.allowedTexts.begin(), field.allowedTexts.end(), text) !=
           field.allowedTexts.end();
  }
  return field.maxValue == 0 || text.size() <= static_cast<size_t>(field.maxValue);
}

bool WindowAccepts(const FieldInfo& field, const UnitConfig& config, int entry) {
  return field.ref.IsText() ? WindowAccepts(field, field.ref.Text(config, entry))
                            : WindowAccepts(field, field.ref.Number(config, entry));
}

std::string AcceptedRangeText(const FieldInfo& field) {
  switch (field.kind) {
    case FieldKind::kFlag:
      return "0 or 1";
    case FieldKind::kText: {
      if (field.allowedTexts.empty()) {
        return field.maxValue == 0 ? "any text"
                                   : "at most " + std::to_string(field.maxValue) + " characters";
      }
      std::string list = "one of";
      for (std::string_view text : field.allowedTexts) list += " " + std::string(text);
      return list;
    }
    default:
      return std::to_string(field.minValue) + " to " + std::to_string(field.maxValue);
  }
}

}  // namespace tqr417
