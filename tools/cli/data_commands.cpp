// export, import, get, set: a configuration kept and edited as data.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "config/config_diff.h"
#include "config/defaults.h"
#include "config/entry_label.h"
#include "config/field_catalogue.h"
#include "file/file_text_rules.h"
#include "file/safe_file.h"
#include "tools/cli/command_support.h"
#include "tools/cli/commands.h"
#include "tools/cli/config_json.h"
#include "tools/cli/field_words.h"
#include "tools/cli/file_values.h"
#include "tools/cli/read_back.h"

namespace tqr417::cli {

namespace {

// Tells a refusal on standard error: the heading, then one problem a line.
int Refuse(const std::string& heading, const std::vector<std::string>& problems) {
  std::cerr << heading << "\n";
  for (const std::string& problem : problems) std::cerr << "  " << problem << "\n";
  return kExitNegative;
}

int Export(const std::string& path, const std::string& outputPath) {
  UnitConfig config;
  if (!LoadFile(path, config)) return kExitError;
  return WriteResult(outputPath, ConfigToJson(config));
}

int Import(const std::string& jsonPath, const std::string& path, bool strict) {
  std::string json;
  if (const Status read = ReadWholeFile(jsonPath, json); !read.ok()) {
    std::cerr << read.message() << "\n";
    return kExitError;
  }
  const std::string refused =
      "Cannot import \"" + jsonPath + "\"; nothing was written to \"" + path + "\".";
  UnitConfig config = StartupConfig();
  if (const std::vector<std::string> problems = ConfigFromJson(json, config); !problems.empty()) {
    return Refuse(refused, problems);
  }
  const std::vector<std::string> outOfRange = OutOfRange(config);
  if (strict && !outOfRange.empty()) {
    return Refuse(refused + " With --strict, every value must be one its editing window accepts:",
                  outOfRange);
  }
  if (!outOfRange.empty()) {
    std::cerr << "Imported as they stand, although their editing window would not accept "
                 "them:\n";
    for (const std::string& line : outOfRange) std::cerr << "  " << line << "\n";
  }
  return SaveFile(path, config);
}

struct FieldChoice {
  const FieldInfo* field = nullptr;
  int entry = 0;
};

// The field called `name` at the entry labelled `entryLabel` (only for a table field, which
// needs one); nullopt with a sentence in `problem` when there is no such field or entry.
std::optional<FieldChoice> ChooseField(const std::string& name, const std::string& entryLabel,
                                       std::string& problem) {
  const FieldInfo* field = FindField(name);
  if (field == nullptr) {
    problem = "\"" + name + "\" is not the name of a field (show lists them).";
    return std::nullopt;
  }
  if (!field->ref.IsTableField()) return FieldChoice{field, 0};
  const std::optional<int> entry = ParseEntryLabel(entryLabel);
  if (!entry) {
    problem = name + " is a field of the function table: name its entry, F00 to F99" +
              (entryLabel.empty() ? "." : ", not \"" + entryLabel + "\".");
    return std::nullopt;
  }
  return FieldChoice{field, *entry};
}

int Get(const std::string& path, const std::string& name, const std::string& entryLabel) {
  std::string problem;
  const std::optional<FieldChoice> choice = ChooseField(name, entryLabel, problem);
  if (choice && !choice->field->ref.IsTableField() && !entryLabel.empty()) {
    problem = name + " is not a field of the function table; it takes no entry.";
  }
  if (!problem.empty()) {
    std::cerr << problem << "\n";
    return kExitNegative;
  }
  UnitConfig config;
  if (!LoadFile(path, config)) return kExitError;
  const FieldRef& ref = choice->field->ref;
  if (ref.IsText()) {
    std::cout << ref.Text(config, choice->entry) << "\n";
  } else {
    std::cout << ref.Number(config, choice->entry) << "\n";
  }
  return kExitOk;
}

// Applies one NAME=VALUE to `config`; a sentence naming the field when it is refused.
std::string Assign(const std::string& assignment, const std::string& entryLabel, UnitConfig& config,
                   std::vector<FieldChoice>& changed) {
  const size_t equals = assignment.find('=');
  if (equals == std::string::npos) return QuotedExcerpt(assignment) + " is not NAME=VALUE.";
  std::string problem;
  const std::optional<FieldChoice> choice =
      ChooseField(assignment.substr(0, equals), entryLabel, problem);
  if (!choice) return problem;
  const FieldInfo& field = *choice->field;
  const std::string value = assignment.substr(equals + 1);
  const std::string label = FieldLabel(field, choice->entry);
  if (field.ref.IsText()) {
    if (const std::string why = WhyFileCannotHold(field, value).why; !why.empty()) {
      return label + ": " + QuotedExcerpt(value) + " " + why + ".";
    }
    field.ref.Text(config, choice->entry) = value;
  } else {
    const std::optional<int> number = WholeNumber(value);
    if (!number) {
      return label + ": " + QuotedExcerpt(value) +
             " is not a whole number that a configuration file holds (-2147483648 to "
             "2147483647).";
    }
    field.ref.Number(config, choice->entry) = *number;
  }
  changed.push_back(*choice);
  return {};
}

int Set(const std::string& path, const std::vector<std::string>& assignments,
        const std::string& entryLabel, bool force) {
  if (!entryLabel.empty() && !ParseEntryLabel(entryLabel)) {
    return Refuse("Nothing was changed in \"" + path + "\":",
                  {"--entry \"" + entryLabel + "\" is not an entry of the table, F00 to F99."});
  }
  UnitConfig before;
  if (!LoadFile(path, before)) return kExitError;
  UnitConfig after = before;
  std::vector<std::string> problems;
  std::vector<FieldChoice> changed;
  for (const std::string& assignment : assignments) {
    if (std::string problem = Assign(assignment, entryLabel, after, changed); !problem.empty()) {
      problems.push_back(std::move(problem));
    }
  }
  if (!force) {
    for (const FieldChoice& c : changed) {
      if (!WindowAccepts(*c.field, after, c.entry)) {
        problems.push_back(OutOfRangeLine(*c.field, after, c.entry) +
                           ": its editing window would not accept it (--force sets it anyway).");
      }
    }
  }
  if (!problems.empty()) return Refuse("Nothing was changed in \"" + path + "\":", problems);
  const int saved = SaveFile(path, after);
  if (saved == kExitOk) PrintDifferences(CompareConfigs(before, after), before, after);
  return saved;
}

}  // namespace

void AddDataCommands(CLI::App& app, int& exitCode) {
  static std::string file, jsonFile, outputPath, name, entryLabel, setEntry;
  static std::vector<std::string> assignments;
  static bool strict = false;

  auto* exportCommand = app.add_subcommand(
      "export",
      "Write the whole configuration as JSON: each setting under its name, the function table "
      "as the array functionTable of 100 entries.");
  exportCommand->add_option("FILE", file, "configuration file to read")->required();
  exportCommand->add_option("--output", outputPath, "write the JSON to this file instead")
      ->option_text("PATH");
  AddForceFlag(*exportCommand);
  exportCommand->callback([&exitCode] { exitCode = Export(file, outputPath); });

  auto* importCommand = app.add_subcommand(
      "import",
      "Write the configuration a JSON file (as export writes it) describes into FILE. Refuses "
      "(exit 1, nothing written) a JSON file with an unknown, missing or wrong value; values "
      "an editing window would not accept are imported and listed.");
  importCommand->add_option("JSON", jsonFile, "JSON file to read")->required();
  importCommand->add_option("FILE", file, "configuration file to write (.417)")->required();
  importCommand->add_flag("--strict", strict,
                          "also refuse values their editing window would not accept");
  AddForceFlag(*importCommand);
  importCommand->callback([&exitCode] { exitCode = Import(jsonFile, file, strict); });

  auto* get = app.add_subcommand("get", "Print the value of one field.");
  get->add_option("FILE", file, "configuration file to read")->required();
  get->add_option("NAME", name, "the field's name, as show and export give it")->required();
  get->add_option("ENTRY", entryLabel, "the entry, F00 to F99, for a field of the table");
  get->callback([&exitCode] { exitCode = Get(file, name, entryLabel); });

  auto* set = app.add_subcommand(
      "set",
      "Change values in FILE and list each change. Refuses them all (exit 1, FILE unchanged) "
      "when one is unknown, cannot be held by the file or would not be accepted by its "
      "editing window.");
  set->add_option("FILE", file, "configuration file to change")->required();
  set->add_option("ASSIGNMENTS", assignments, "NAME=VALUE, one or more")->required();
  set->add_option("--entry", setEntry, "the entry, F00 to F99, for fields of the table")
      ->option_text("F05");
  AddForceFlag(*set, "set values their editing window would not accept");
  set->callback([&exitCode] { exitCode = Set(file, assignments, setEntry, Forced()); });
}

}  // namespace tqr417::cli
