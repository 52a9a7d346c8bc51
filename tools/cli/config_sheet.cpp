#include "tools/cli/config_sheet.h"

#include <cstdio>

#include "config/entry_label.h"
#include "config/field_catalogue.h"
#include "link/config_frame.h"
#include "tools/cli/field_words.h"
#include "tools/cli/sheet_layout.h"

namespace tqr417::cli {

namespace {

// A check box shows "on" ticked and "off" clear; a choice shows its button's name. A value
// the window has no word for (a flag of 7, a choice of -1) shows as its number.
std::string ShownNumber(const FieldInfo& field, int value) {
  if (field.kind == FieldKind::kFlag && (value == 0 || value == 1)) return value ? "on" : "off";
  if (field.kind == FieldKind::kChoice && value >= 0 &&
      value < static_cast<int>(field.choiceNames.size())) {
    return std::string(field.choiceNames[static_cast<size_t>(value)]);
  }
  return std::to_string(value);
}

SheetValue ValueOf(const FieldInfo& field, const UnitConfig& config, int entry = 0) {
  SheetValue value;
  value.isText = field.ref.IsText();
  value.shown = value.isText ? field.ref.Text(config, entry)
                             : ShownNumber(field, field.ref.Number(config, entry));
  if (!WindowAccepts(field, config, entry)) value.refusal = OutOfRangeLine(field, config, entry);
  return value;
}

SheetTable MakeTable(const UnitConfig& config) {
  SheetTable table;
  const std::vector<TableColumnLayout> columns = TableColumns();
  for (const TableColumnLayout& column : columns) table.headings.push_back(column.heading);
  for (int entry = 0; entry < kEntryCount; ++entry) {
    std::vector<SheetValue>& row = table.rows.emplace_back();
    for (const TableColumnLayout& column : columns) {
      if (column.field == nullptr) {
        row.push_back({FormatEntryLabel(entry, 'F'), false, ""});
        continue;
      }
      row.push_back(ValueOf(*column.field, config, entry));
      if (!row.back().refusal.empty()) table.refusals.push_back(row.back().refusal);
    }
  }
  return table;
}

}  // namespace

ConfigSheet MakeConfigSheet(const UnitConfig& config, const std::string& fileName,
                            const std::string& date) {
  ConfigSheet sheet;
  sheet.fileName = fileName;
  char checksum[8];
  std::snprintf(checksum, sizeof checksum, "0x%04X", EncodeFrame(config).sum & 0xFFFFu);
  sheet.checksum = checksum;
  sheet.date = date;
  for (const SheetSectionLayout& layout : SettingSections()) {
    SheetSection& section = sheet.sections.emplace_back();
    section.title = layout.title;
    section.windowTitle = layout.windowCaption;
    section.buttonHidden = layout.buttonHidden;
    for (const FieldInfo* field : layout.fields) {
      section.settings.push_back(
          {std::string(field->caption), ValueOf(*field, config), std::string(field->unit)});
    }
  }
  sheet.table = MakeTable(config);
  return sheet;
}

}  // namespace tqr417::cli
