#pragma once
// How the companion names a field and shows its value, and how it reports a value its editing
// window would not accept (the catalogue's WindowAccepts): the words that show, check, diff,
// import and set all use.

#include <string>
#include <vector>

#include "config/field_catalogue.h"
#include "config/unit_config.h"

namespace tqr417::cli {

// The field's catalogue name, followed for a table field by the entry's label:
// "morseFreq", "relayDurationMs F05".
std::string FieldLabel(const FieldInfo& field, int entry);

// A text between double quotes; a quote or a backslash inside gets a backslash before it,
// and a byte that is not printable ASCII is shown as \xNN.
std::string QuotedText(const std::string& text);

// As QuotedText for a value a person gave that is refused: a long one is cut to its first
// characters and says how long it was ("ABC..." (20971520 characters)), so a message stays
// one line.
std::string QuotedExcerpt(const std::string& text);

// The value as a person reads it: a number, with the name of the chosen button for a choice
// ("2 (Momentary)"), or a quoted text.
std::string ValueText(const FieldInfo& field, const UnitConfig& config, int entry = 0);

// "name [entry]  value  (accepted: range)": a value its editing window would not accept.
std::string OutOfRangeLine(const FieldInfo& field, const UnitConfig& config, int entry);

// One such line for each value of `config` its editing window would not accept, in
// catalogue order.
std::vector<std::string> OutOfRange(const UnitConfig& config);

}  // namespace tqr417::cli
