// DDX_CBString in both directions, for a combo box with an edit field and a drop-down list.

#include <gtest/gtest.h>

#include "framework/testing/dialog_driver.h"
#include "framework/testing/scripted_runner.h"
#include "support/row_name.h"
#include "test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;

struct ComboCase {
  const char* description;
  int controlId;
  int selectedBefore;  // list index selected before the load, -1 none
  const char* member;
  int selectedAfter;  // list index selected after the load
  const char* shown;  // text of the control after the load
  const char* savedBack;
};

class ComboExchangeTest : public ::testing::TestWithParam<ComboCase> {
 protected:
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use{runner};
};

TEST_P(ComboExchangeTest, FollowsThePrefixRule) {
  const ComboCase& c = GetParam();
  test::FormDlg dialog;
  ASSERT_TRUE(dialog.Create());
  tqr417::fw::DialogDriver driver(dialog);
  CWnd* combo = dialog.GetDlgItem(c.controlId);
  ASSERT_NE(combo, nullptr);
  dialog.AddHandler(c.controlId, CBN_SELCHANGE,
                    [&dialog, &c] { dialog.Record(c.controlId, CBN_SELCHANGE); });
  combo->SetCurSel(c.selectedBefore);

  CString& member = c.controlId == test::kRelay ? dialog.relay : dialog.frequency;
  member = c.member;
  dialog.UpdateData(FALSE);
  EXPECT_EQ(driver.Selection(c.controlId), c.selectedAfter) << c.description;
  EXPECT_EQ(dialog.GetDlgItem(c.controlId)->GetWindowText(), c.shown) << c.description;

  member = "unchanged";
  EXPECT_EQ(dialog.UpdateData(TRUE), TRUE) << c.description;
  EXPECT_EQ(member, c.savedBack) << c.description;
  EXPECT_TRUE(runner.Messages().empty());
  EXPECT_TRUE(dialog.notifications.empty()) << "the program's selection is no choice of the user's";
}

// The drop-down list is sorted: "2100", "2175", "2300".
INSTANTIATE_TEST_SUITE_P(
    Table, ComboExchangeTest,
    ::testing::Values(
        ComboCase{"edit combo: exact item", test::kRelay, -1, "R02", 1, "R02", "R02"},
        ComboCase{"edit combo: prefix, case ignored", test::kRelay, -1, "r", 0, "R01", "R01"},
        ComboCase{"edit combo: lower-case item text", test::kRelay, 1, "r01", 0, "R01", "R01"},
        ComboCase{"edit combo: no match shows the text", test::kRelay, 0, "R03", -1, "R03", "R03"},
        ComboCase{"edit combo: empty text stays empty", test::kRelay, 1, "", -1, "", ""},
        ComboCase{"list: prefix selects the first match", test::kFrequency, -1, "21", 0, "2100",
                  "2100"},
        ComboCase{"list: sorted order", test::kFrequency, -1, "2300", 2, "2300", "2300"},
        ComboCase{"list: no match keeps the selection", test::kFrequency, 1, "2000", 1, "2175",
                  "2175"},
        ComboCase{"list: no match and no selection", test::kFrequency, -1, "0", -1, "", ""},
        ComboCase{"list: empty text keeps the selection", test::kFrequency, 2, "", 2, "2300",
                  "2300"}),
    tqr417::test_support::RowName{});

TEST(ComboTyping, EditComboReadsWhatWasTyped) {
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use(runner);
  runner.OnDialog(test::kFormTemplate, [](tqr417::fw::DialogDriver& d) {
    d.Type(test::kRelay, "7x");
    d.Choose(test::kFrequency, 1);
    d.Enter();
  });
  test::FormDlg dialog;
  dialog.unsignedValue = 400;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.relay, "7x");
  EXPECT_EQ(dialog.frequency, "2175");
  EXPECT_EQ(runner.UnexpectedModals(), 0);
}

}  // namespace
