// Rules that follow from a template: accessible names, radio groups, captions.

#include "framework/template_rules.h"

#include <gtest/gtest.h>

#include "framework/dialog_template.h"
#include "support/row_name.h"
#include "test_dialogs.h"

namespace {

using tqr417::fw::FindTemplate;
namespace test = tqr417::fw::test;

struct NameCase {
  const char* description;
  int controlId;
  const char* name;
};

class AccessibleNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(AccessibleNameTest, ComesFromTheTemplate) {
  test::FormDlg dialog;
  ASSERT_TRUE(dialog.Create());
  EXPECT_EQ(dialog.GetDlgItem(GetParam().controlId)->GetAccessibleName(), GetParam().name)
      << GetParam().description;
}

INSTANTIATE_TEST_SUITE_P(
    Table, AccessibleNameTest,
    ::testing::Values(NameCase{"button caption", IDCANCEL, "Cancel"},
                      NameCase{"check box caption without its mnemonic", test::kEnabled, "Enabled"},
                      NameCase{"edit with its label to the left", test::kUnsigned, "Unsigned:"},
                      NameCase{"combo box with its label above", test::kRelay, "Relay"},
                      NameCase{"edit with no label beside it has none", test::kInGroupEdit, ""},
                      NameCase{"edit with a right-aligned label", test::kSigned, "Signed:"}),
    tqr417::test_support::RowName{});

TEST(AccessibleNames, WindowCanOverrideOne) {
  test::FormDlg dialog;
  ASSERT_TRUE(dialog.Create());
  dialog.SetAccessibleName(test::kSigned, "Relay Duration (ms) F01");
  EXPECT_EQ(dialog.GetDlgItem(test::kSigned)->GetAccessibleName(), "Relay Duration (ms) F01");
}

TEST(TemplateRules, RadioGroupRunsToTheNextGroupStartSkippingOtherControls) {
  const auto& form = *FindTemplate(test::kFormTemplate);
  const auto ids = [&](const std::vector<int>& indices) {
    std::vector<int> result;
    for (const int index : indices) result.push_back(form.controls[index].id);
    return result;
  };
  EXPECT_EQ(ids(tqr417::fw::RadioGroupFrom(form, form.IndexOf(test::kRadioA))),
            (std::vector<int>{test::kRadioA, test::kRadioB, test::kRadioC}));
  EXPECT_EQ(ids(tqr417::fw::RadioGroupOf(form, form.IndexOf(test::kRadioE))),
            (std::vector<int>{test::kRadioD, test::kRadioE}));
  EXPECT_EQ(tqr417::fw::DisplayCaption("&Save && go"), "Save & go");
}

}  // namespace
