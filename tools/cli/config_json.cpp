#include "tools/cli/config_json.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "config/entry_label.h"
#include "config/field_catalogue.h"
#include "config/latin1_text.h"
#include "file/file_text_rules.h"
#include "tools/cli/field_words.h"

namespace tqr417::cli {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kTableKey = "functionTable";

std::string Found(const Json& value) {
  switch (value.type()) {
    case Json::value_t::null:
      return "null";
    case Json::value_t::boolean:
      return value.get<bool>() ? "true" : "false";
    case Json::value_t::string:
      return "a text";
    case Json::value_t::array:
      return "an array";
    case Json::value_t::object:
      return "an object";
    default:
      return value.dump();
  }
}

Json FieldValue(const FieldInfo& field, const UnitConfig& config, int entry) {
  if (field.ref.IsText()) return Latin1ToUtf8(field.ref.Text(config, entry));
  return field.ref.Number(config, entry);
}

class JsonReader {
 public:
  explicit JsonReader(UnitConfig& config) : config_(config) {}

  void ReadSettings(const Json& root) {
    for (const auto& [key, value] : root.items()) {
      const FieldInfo* field = FindField(key);
      if (key != kTableKey && (field == nullptr || field->ref.IsTableField())) {
        problems_.push_back(QuotedExcerpt(key) + " is not the name of a field.");
      }
    }
    for (const FieldInfo* field : AllFields()) {
      if (!field->ref.IsTableField()) ReadMember(root, *field, 0);
    }
  }

  void ReadTable(const Json& root) {
    const auto table = root.find(kTableKey);
    if (table == root.end()) {
      problems_.push_back(std::string(kTableKey) + ": missing.");
      return;
    }
    if (!table->is_array()) {
      problems_.push_back(std::string(kTableKey) + ": expected an array of " +
                          std::to_string(kEntryCount) + " entries, found " + Found(*table) + ".");
      return;
    }
    if (table->size() != kEntryCount) {
      problems_.push_back(std::string(kTableKey) + ": holds " + std::to_string(table->size()) +
                          " entries; the function table has " + std::to_string(kEntryCount) + ".");
      return;
    }
    for (int entry = 0; entry < kEntryCount; ++entry) ReadEntry((*table)[entry], entry);
  }

  std::vector<std::string> TakeProblems() { return std::move(problems_); }

 private:
  void ReadEntry(const Json& object, int entry) {
    const std::string label = std::string(kTableKey) + " " + FormatEntryLabel(entry, 'F');
    if (!object.is_object()) {
      problems_.push_back(label + ": expected an object, found " + Found(object) + ".");
      return;
    }
    for (const auto& [key, value] : object.items()) {
      const FieldInfo* field = FindField(key);
      if (field == nullptr || !field->ref.IsTableField()) {
        problems_.push_back(label + ": " + QuotedExcerpt(key) +
                            " is not the name of an entry's field.");
      }
    }
    for (const FieldInfo* field : AllFields()) {
      if (field->ref.IsTableField()) ReadMember(object, *field, entry);
    }
  }

  void ReadMember(const Json& object, const FieldInfo& field, int entry) {
    const auto member = object.find(std::string(field.name));
    if (member == object.end()) {
      problems_.push_back(FieldLabel(field, entry) + ": missing.");
    } else if (field.ref.IsText()) {
      ReadText(*member, field, entry);
    } else {
      ReadNumber(*member, field, entry);
    }
  }

  void ReadText(const Json& value, const FieldInfo& field, int entry) {
    const std::string label = FieldLabel(field, entry);
    if (!value.is_string()) {
      problems_.push_back(label + ": expected a text, found " + Found(value) + ".");
      return;
    }
    uint32_t beyond = 0;
    std::string text = Utf8ToLatin1(value.get<std::string>(), beyond);
    if (beyond != 0) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", beyond);
      problems_.push_back(label + ": holds the character " + code +
                          ", which a configuration file cannot carry (it holds U+0000 to "
                          "U+00FF, one byte each).");
      return;
    }
    if (const std::string why = WhyFileCannotHold(field, text).why; !why.empty()) {
      problems_.push_back(label + ": " + QuotedExcerpt(text) + " " + why + ".");
      return;
    }
    field.ref.Text(config_, entry) = std::move(text);
  }

  // A whole number may be written with a fraction of zero or an exponent (1200.0, 1.2e3);
  // one that a configuration file cannot hold is out of its range, whatever its form.
  void ReadNumber(const Json& value, const FieldInfo& field, int entry) {
    const std::string label = FieldLabel(field, entry);
    if (!value.is_number()) {
      problems_.push_back(label + ": expected a whole number, found " + Found(value) + ".");
      return;
    }
    if (value.is_number_float() && std::trunc(value.get<double>()) != value.get<double>()) {
      problems_.push_back(label + ": " + value.dump() + " is not a whole number.");
      return;
    }
    const bool fits = value.is_number_unsigned() ? value.get<uint64_t>() <= INT_MAX
                      : value.is_number_integer()
                          ? value.get<int64_t>() >= INT_MIN && value.get<int64_t>() <= INT_MAX
                          : value.get<double>() >= INT_MIN && value.get<double>() <= INT_MAX;
    if (!fits) {
      problems_.push_back(label + ": " + value.dump() + " is out of range (" +
                          std::to_string(INT_MIN) + " to " + std::to_string(INT_MAX) +
                          "), more than a configuration file holds.");
      return;
    }
    field.ref.Number(config_, entry) = value.is_number_float()
                                           ? static_cast<int>(value.get<double>())
                                           : static_cast<int>(value.get<int64_t>());
  }

  UnitConfig& config_;
  std::vector<std::string> problems_;
};

}  // namespace

// Written by hand around the library's dump so that each entry takes one line: 100 lines
// of table a person can read and edit, instead of 900.
std::string ConfigToJson(const UnitConfig& config) {
  std::string text = "{\n";
  for (const FieldInfo* field : AllFields()) {
    if (field->ref.IsTableField()) continue;
    text += "  " + Json(std::string(field->name)).dump() + ": " +
            FieldValue(*field, config, 0).dump() + ",\n";
  }
  text += "  " + Json(std::string(kTableKey)).dump() + ": [\n";
  for (int entry = 0; entry < kEntryCount; ++entry) {
    Json object = Json::object();
    for (const FieldInfo* field : AllFields()) {
      if (field->ref.IsTableField()) {
        object[std::string(field->name)] = FieldValue(*field, config, entry);
      }
    }
    text += "    " + object.dump() + (entry + 1 < kEntryCount ? ",\n" : "\n");
  }
  return text + "  ]\n}\n";
}

std::vector<std::string> ConfigFromJson(std::string_view text, UnitConfig& config) {
  Json root;
  // A name given twice in one object would leave only one of its values, silently: the names
  // of each open object are kept, and the first one repeated refuses the file.
  std::vector<std::set<std::string>> openObjects;
  std::string repeated;
  const auto noteNames = [&](int, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) openObjects.emplace_back();
    if (event == Json::parse_event_t::object_end && !openObjects.empty()) openObjects.pop_back();
    if (event == Json::parse_event_t::key && !openObjects.empty() &&
        !openObjects.back().insert(parsed.get<std::string>()).second && repeated.empty()) {
      repeated = parsed.get<std::string>();
    }
    return true;
  };
  // The parser takes a NUL byte for the end of the text: anything after it would be left
  // unread. JSON has no place for one.
  if (const size_t nul = text.find('\0'); nul != std::string_view::npos) {
    return {"It is not valid JSON: a NUL byte at byte " + std::to_string(nul + 1) +
            "; JSON text holds none."};
  }
  try {
    root = Json::parse(text, noteNames);
  } catch (const Json::parse_error& error) {
    // what() reads "[json.exception.parse_error.101] parse error at line 3, ...".
    std::string reason = error.what();
    if (const size_t bracket = reason.find("] "); bracket != std::string::npos) {
      reason.erase(0, bracket + 2);
    }
    return {"It is not valid JSON: " + reason + "."};
  }
  if (!repeated.empty()) {
    return {QuotedExcerpt(repeated) +
            " is given twice in one object; which value is meant is unclear."};
  }
  if (!root.is_object()) {
    return {"Expected an object of field names at the top level, found " + Found(root) + "."};
  }
  JsonReader reader(config);
  reader.ReadSettings(root);
  reader.ReadTable(root);
  return reader.TakeProblems();
}

}  // namespace tqr417::cli
