#include "config/config_diff.h"

namespace tqr417 {

namespace {

bool SameValue(const FieldInfo& field, const UnitConfig& a, const UnitConfig& b, int entry) {
  if (field.ref.IsText()) return field.ref.Text(a, entry) == field.ref.Text(b, entry);
  return field.ref.Number(a, entry) == field.ref.Number(b, entry);
}

}  // namespace

std::vector<FieldDifference> CompareConfigs(const UnitConfig& a, const UnitConfig& b) {
  std::vector<FieldDifference> differences;
  for (const FieldInfo* field : AllFields()) {
    if (!field->ref.IsTableField() && !SameValue(*field, a, b, 0)) {
      differences.push_back({field, 0});
    }
  }
  for (int entry = 0; entry < kEntryCount; ++entry) {
    for (const FieldInfo* field : AllFields()) {
      if (field->ref.IsTableField() && !SameValue(*field, a, b, entry)) {
        differences.push_back({field, entry});
      }
    }
  }
  return differences;
}

}  // namespace tqr417
