#include "tools/cli/sheet_layout.h"

#include <algorithm>

#include "framework/dialog_template.h"
#include "resources/resource_ids.h"
#include "ui/grid_layout.h"

namespace tqr417::cli {

namespace {

// The caption without its mnemonic marks: "&About" is "About", "&&" a literal "&".
std::string PlainCaption(const std::string& caption) {
  std::string plain;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  return plain;
}

// A combo box's template height includes its dropped-down list; on screen it is one line.
constexpr int kClosedComboHeight = 12;

struct Placed {
  const FieldInfo* field;
  const fw::ControlTemplate* control;  // nullptr when the template lacks it
};

int ShownHeight(const fw::ControlTemplate& control) {
  const bool combo = control.kind == fw::ControlKind::kComboDropDown ||
                     control.kind == fw::ControlKind::kComboDropList;
  return combo ? std::min(control.height, kClosedComboHeight) : control.height;
}

// Reading order: a control whose top lies above the bottom of the first control of the row
// being filled joins that row; each row is read left to right. Fields whose control the
// template lacks come last, in catalogue order.
void SortAsShown(std::vector<Placed>& placed) {
  const auto missing = std::stable_partition(placed.begin(), placed.end(),
                                             [](const Placed& p) { return p.control != nullptr; });
  std::stable_sort(placed.begin(), missing, [](const Placed& a, const Placed& b) {
    return a.control->y != b.control->y ? a.control->y < b.control->y : a.control->x < b.control->x;
  });
  auto rowStart = placed.begin();
  while (rowStart != missing) {
    const int rowBottom = rowStart->control->y + ShownHeight(*rowStart->control);
    auto rowEnd = std::find_if(rowStart, missing,
                               [rowBottom](const Placed& p) { return p.control->y >= rowBottom; });
    std::stable_sort(rowStart, rowEnd,
                     [](const Placed& a, const Placed& b) { return a.control->x < b.control->x; });
    rowStart = rowEnd;
  }
}

// The settings fields `templateId` shows, in the order it shows them.
std::vector<const FieldInfo*> FieldsOf(int templateId) {
  const fw::DialogTemplate* window = fw::FindTemplate(templateId);
  std::vector<Placed> placed;
  for (const FieldInfo* field : AllFields()) {
    if (field->group == FieldGroup::kFunctionTable || field->place.templateId != templateId) {
      continue;
    }
    placed.push_back(
        {field, window != nullptr ? window->FindControl(field->place.controlId) : nullptr});
  }
  SortAsShown(placed);
  std::vector<const FieldInfo*> fields;
  for (const Placed& p : placed) fields.push_back(p.field);
  return fields;
}

}  // namespace

std::vector<SheetSectionLayout> SettingSections() {
  const fw::DialogTemplate* main = fw::FindTemplate(res::IDD_SETUP_DIALOG);
  std::vector<SheetSectionLayout> sections;
  sections.push_back({"Main window", main != nullptr ? PlainCaption(main->caption) : "", false,
                      FieldsOf(res::IDD_SETUP_DIALOG)});
  if (main == nullptr) return sections;
  // The dialogs in the order of their buttons in the main window's template.
  for (const fw::ControlTemplate& control : main->controls) {
    const auto* button =
        std::find_if(std::begin(res::setup::kDialogButtons), std::end(res::setup::kDialogButtons),
                     [&control](const res::setup::DialogButton& b) {
                       return b.buttonId == control.id && control.id != fw::kStatic;
                     });
    if (button == std::end(res::setup::kDialogButtons)) continue;
    std::vector<const FieldInfo*> fields = FieldsOf(button->templateId);
    if (fields.empty()) continue;
    const fw::DialogTemplate* dialog = fw::FindTemplate(button->templateId);
    sections.push_back({PlainCaption(control.caption),
                        dialog != nullptr ? PlainCaption(dialog->caption) : "",
                        (control.flags & fw::style::kHidden) != 0, std::move(fields)});
  }
  return sections;
}

std::vector<TableColumnLayout> TableColumns() {
  std::vector<TableColumnLayout> columns;
  for (const ui::GridColumn* column : ui::kGridColumns) {
    if (column == &ui::grid::kLabel) {
      columns.push_back({std::string(column->heading), nullptr});
      continue;
    }
    for (const FieldInfo* field : AllFields()) {
      if (field->group == FieldGroup::kFunctionTable && field->place.controlId == column->ids[0]) {
        columns.push_back({std::string(column->heading), field});
      }
    }
  }
  return columns;
}

}  // namespace tqr417::cli
