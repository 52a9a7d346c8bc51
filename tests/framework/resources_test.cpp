#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>

#include "framework/about_dlg.h"
#include "framework/template_rules.h"
#include "framework/testing/scripted_runner.h"
#include "resources/app_icon.h"
#include "resources/dialog_template.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "support/row_name.h"
#include "test_dialogs.h"

namespace {

using tqr417::res::FindTemplate;
namespace test = tqr417::fw::test;

TEST(TemplateRegistry, FindsRegisteredTemplatesOnly) {
  const auto* about = FindTemplate(tqr417::res::IDD_ABOUTBOX);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->caption, "About TQR-417");
  EXPECT_EQ(about->width, 235);
  EXPECT_EQ(about->height, 55);
  EXPECT_EQ(FindTemplate(4242), nullptr);
  EXPECT_EQ(about->FindControl(tqr417::res::kStatic), nullptr);
  ASSERT_NE(about->FindControl(IDOK), nullptr);
  EXPECT_EQ(about->FindControl(IDOK)->kind, tqr417::res::ControlKind::kDefPushButton);
}

TEST(Resources, StringAndIcon) {
  EXPECT_EQ(tqr417::res::LoadResourceString(tqr417::res::IDS_ABOUTBOX), "&About tqr417...");
  EXPECT_EQ(tqr417::res::LoadResourceString(5), "");
  const QIcon icon = tqr417::res::LoadAppIcon(tqr417::res::IDR_MAINFRAME);
  ASSERT_FALSE(icon.isNull());
  EXPECT_FALSE(icon.pixmap(32, 32).toImage().isNull());
  EXPECT_TRUE(tqr417::res::LoadAppIcon(129).isNull());
}

TEST(AboutBox, ShowsTheIconAndEndsWithOk) {
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use(runner);
  bool sawIcon = false;
  runner.OnDialog(tqr417::res::IDD_ABOUTBOX, [&](tqr417::fw::DialogDriver& d) {
    for (QLabel* label : d.Dialog().Window()->findChildren<QLabel*>()) {
      if (!label->pixmap().isNull()) sawIcon = true;
    }
    EXPECT_EQ(d.FocusedId(), IDOK);
    d.Enter();
  });
  CAboutDlg about;
  EXPECT_EQ(about.DoModal(), IDOK);
  EXPECT_TRUE(sawIcon);
  EXPECT_EQ(runner.UnexpectedModals(), 0);
}

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
