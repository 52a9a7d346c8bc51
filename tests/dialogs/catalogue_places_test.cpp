// The catalogue's place of each field against the windows: its control is in its window's
// template with a kind that can show the field, and each setting dialog shows the field there.

#include <set>

#include "dialog_test_support.h"

namespace tqr417::dialogs::dialog_tests {
namespace {

using fw::ControlKind;

// The control kinds that show a field of each kind.
std::set<ControlKind> KindsShowing(FieldKind kind) {
  switch (kind) {
    case FieldKind::kFlag:
      return {ControlKind::kCheckBox};
    case FieldKind::kChoice:
      return {ControlKind::kRadioButton};
    default:
      return {ControlKind::kEdit, ControlKind::kComboDropDown, ControlKind::kComboDropList};
  }
}

TEST(CataloguePlaceTest, EveryFieldNamesAControlOfItsWindowThatCanShowIt) {
  for (const FieldInfo* field : AllFields()) {
    SCOPED_TRACE(field->name);
    const fw::DialogTemplate* window = fw::FindTemplate(field->place.templateId);
    ASSERT_NE(window, nullptr);
    const fw::ControlTemplate* control = window->FindControl(field->place.controlId);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(KindsShowing(field->kind).contains(control->kind));
    EXPECT_EQ(field->group == FieldGroup::kDialog, field->place.templateId != IDD_SETUP_DIALOG);
  }
}

// Each field in turn: every flag of the dialog group clear but the field's own, every number
// distinct, so that a place naming another field's control shows the wrong value.
TEST_F(DialogTest, EachDialogShowsEveryFieldAtItsPlace) {
  for (const FieldInfo* field : AllFields()) {
    if (field->group != FieldGroup::kDialog) continue;
    SCOPED_TRACE(field->name);
    UnitConfig config;
    config.dialog = DistinctSettings();
    for (const FieldInfo* other : AllFields()) {
      if (other->group == FieldGroup::kDialog && other->kind == FieldKind::kFlag) {
        other->ref.Number(config) = other == field ? 1 : 0;
      }
    }
    std::string expected;
    if (field->kind == FieldKind::kFlag) {
      expected = "[x]";
    } else if (field->kind == FieldKind::kChoice) {
      expected = field->ref.Number(config) == 0 ? "[x]" : "[ ]";  // the group's first button
    } else {
      expected =
          field->ref.IsText() ? field->ref.Text(config) : std::to_string(field->ref.Number(config));
    }
    settings = config.dialog;
    Run(field->place.templateId, [&](DialogDriver& d) {
      EXPECT_EQ(Shown(d, field->place.controlId), expected);
      d.Esc();
    });
  }
}

}  // namespace
}  // namespace tqr417::dialogs::dialog_tests
