#include "tools/cli/read_back.h"

#include <iostream>

#include "config/defaults.h"
#include "tools/cli/command_support.h"
#include "tools/cli/config_sources.h"
#include "tools/cli/field_words.h"

namespace tqr417::cli {

namespace {

std::string ValueWithUnit(const FieldInfo& field, const UnitConfig& config, int entry) {
  std::string text = ValueText(field, config, entry);
  if (!field.unit.empty()) text += " " + std::string(field.unit);
  return text;
}

}  // namespace

void PrintDifferences(const std::vector<FieldDifference>& differences, const UnitConfig& from,
                      const UnitConfig& to) {
  for (const FieldDifference& d : differences) {
    std::cout << FieldLabel(*d.field, d.entry) << ": " << ValueWithUnit(*d.field, from, d.entry)
              << " -> " << ValueWithUnit(*d.field, to, d.entry) << "  [" << d.field->caption
              << "]\n";
  }
}

int ReadBackAndCompare(const ConfigSource& source, const std::string& fileName,
                       const PortOptions& options, const std::string& savePath) {
  UnitConfig held = StartupConfig();
  if (DownloadFromUnit(held, options) != kExitOk) return kExitError;
  const int saved = savePath.empty() ? kExitOk : SaveFile(savePath, held);
  const UnitConfig expected = source.isFrame ? source.config : ThroughFrame(source.config);
  const std::vector<FieldDifference> differences = CompareConfigs(expected, held);
  if (differences.empty()) {
    std::cout << "The unit holds the configuration of \"" << fileName << "\".\n";
  } else {
    std::cout << "The unit holds " << differences.size()
              << (differences.size() == 1 ? " value that differs" : " values that differ")
              << " from \"" << fileName << "\" (as the file has it -> as the unit has it):\n";
    PrintDifferences(differences, expected, held);
  }
  if (saved != kExitOk) return saved;
  return differences.empty() ? kExitOk : kExitNegative;
}

}  // namespace tqr417::cli
