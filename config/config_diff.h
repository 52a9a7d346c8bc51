#pragma once
// Compares two configurations field by field, walking the field catalogue, so that every
// field of the three groups is looked at and named as the catalogue names it.

#include <vector>

#include "config/field_catalogue.h"
#include "config/unit_config.h"

namespace tqr417 {

struct FieldDifference {
  const FieldInfo* field;
  int entry;  // the function table entry, 0 to 99; 0 for the fields outside the table
};

// Every field whose value differs between `a` and `b`: first the fields outside the table
// in catalogue order, then entry by entry from 0 to 99, each entry's fields in catalogue
// order. Texts are compared byte for byte. Empty when the two are equal.
std::vector<FieldDifference> CompareConfigs(const UnitConfig& a, const UnitConfig& b);

}  // namespace tqr417
