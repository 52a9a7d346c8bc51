#include "config/defaults.h"

#include "config/field_catalogue.h"

namespace tqr417 {

namespace {

// Writes the start-up value of every field of `group` that has one into `config`.
void WriteStartupValues(UnitConfig& config, FieldGroup group) {
  for (const FieldInfo& field : kFieldCatalogue) {
    if (field.group != group || field.startup == Startup::kAsCreated) continue;
    const int entries = group == FieldGroup::kFunctionTable ? kEntryCount : 1;
    for (int k = 0; k < entries; ++k) {
      if (field.ref.IsText()) {
        field.ref.Text(config, k) = field.startText;
      } else {
        field.ref.Number(config, k) =
            field.startup == Startup::kEntryMod64 ? k % 64 : field.startValue;
      }
    }
  }
}

}  // namespace

void SetTableDefaults(FunctionTable& table) {
  UnitConfig config;
  config.functionTable = std::move(table);
  WriteStartupValues(config, FieldGroup::kFunctionTable);
  table = std::move(config.functionTable);
}

void SetDialogDefaults(DialogSettings& dialog) {
  UnitConfig config;
  config.dialog = std::move(dialog);
  WriteStartupValues(config, FieldGroup::kDialog);
  dialog = std::move(config.dialog);
}

void SetMainWindowStartupValues(MainWindowSettings& main) {
  UnitConfig config;
  config.main = std::move(main);
  WriteStartupValues(config, FieldGroup::kMainWindow);
  main = std::move(config.main);
}

UnitConfig StartupConfig() {
  UnitConfig config;
  SetTableDefaults(config.functionTable);
  SetDialogDefaults(config.dialog);
  SetMainWindowStartupValues(config.main);
  return config;
}

}  // namespace tqr417
