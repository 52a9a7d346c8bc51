#pragma once
// The configuration as JSON, for keeping and editing it as data.
//
// One object: every field outside the function table as a key under its catalogue name, in
// catalogue order, then "functionTable", an array of the 100 entries in order, each an object
// keyed by the names of the entry's fields. Numbers, flags and choices are JSON integers;
// texts are JSON strings in which each of the configuration's 8-bit characters is the Unicode
// character of the same number (ISO 8859-1), so that every byte survives the round trip.

#include <string>
#include <string_view>
#include <vector>

#include "config/unit_config.h"

namespace tqr417::cli {

// The JSON text of `config`: one line per field, one line per table entry.
std::string ConfigToJson(const UnitConfig& config);

// Reads the JSON text `text` into `config`. Every field must be present, with a value of its
// type that a .417 file can hold and give back unchanged. Returns one sentence per problem,
// naming the field (and the entry, "relayGroup F05"); `config` is complete only when there
// are none. Ranges of the editing windows are not checked here.
std::vector<std::string> ConfigFromJson(std::string_view text, UnitConfig& config);

}  // namespace tqr417::cli
