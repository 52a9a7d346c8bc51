// Focus-loss notifications: one report for each focus change the user makes, none for focus
// moved by a failed exchange or taken by another window, never a loop.

#include <gtest/gtest.h>

#include <memory>

#include "framework/testing/scripted_runner.h"
#include "test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;
using tqr417::fw::DialogDriver;

class FocusLossTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create());
    test::ShowActive(dialog);
    driver = std::make_unique<DialogDriver>(dialog);
  }

  void SetText(int id, const char* text) { dialog.GetDlgItem(id)->SetWindowText(text); }

  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use{runner};
  test::ScrollDlg dialog;
  std::unique_ptr<DialogDriver> driver;
};

TEST_F(FocusLossTest, FailingFieldReportsOnceAndKeepsTheFocus) {
  SetText(41, "55");
  SetText(42, "77");
  driver->Focus(41);
  driver->Tab();
  EXPECT_EQ(dialog.focusReports, 1);
  EXPECT_EQ(runner.Messages().size(), 1u);
  EXPECT_EQ(driver->FocusedId(), 41);
  EXPECT_TRUE(driver->TextSelected(41));
  driver->Focus(42);  // the next focus change: one more report, back on 41 again
  EXPECT_EQ(dialog.focusReports, 2);
  EXPECT_EQ(runner.Messages().size(), 2u);
  EXPECT_EQ(driver->FocusedId(), 41);
}

TEST_F(FocusLossTest, FailureInTheFieldReceivingTheFocusReportsOnce) {
  SetText(41, "5");
  SetText(42, "77");
  driver->Focus(41);
  driver->Tab();  // to 42, which fails the exchange that 41's focus loss runs
  EXPECT_EQ(dialog.focusReports, 1);
  EXPECT_EQ(runner.Messages().size(), 1u);
  EXPECT_EQ(driver->FocusedId(), 42);
  driver->Tab();  // away from 42: its own report, focus back on it
  EXPECT_EQ(dialog.focusReports, 2);
  EXPECT_EQ(runner.Messages().size(), 2u);
  EXPECT_EQ(driver->FocusedId(), 42);
}

TEST_F(FocusLossTest, ValidFieldsReportEachChangeWithoutMessages) {
  SetText(41, "1");
  SetText(42, "2");
  driver->Focus(41);
  driver->Tab();
  driver->Tab();
  EXPECT_EQ(dialog.focusReports, 2);
  EXPECT_TRUE(runner.Messages().empty());
  EXPECT_EQ(dialog.first, 1);
  EXPECT_EQ(dialog.second, 2);
}

TEST_F(FocusLossTest, AnotherWindowTakingTheActivationIsNoFocusChange) {
  SetText(41, "55");
  driver->Focus(41);
  test::FormDlg other(test::kNoOkTemplate);
  test::ShowActive(other);
  EXPECT_EQ(dialog.focusReports, 0);
  EXPECT_TRUE(runner.Messages().empty());
}

TEST(ComboFocusLoss, EditComboReportsWhenTheFocusLeavesTheComboOnly) {
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use(runner);
  test::FormDlg dialog;
  int relayLosses = 0;
  int frequencyLosses = 0;
  dialog.AddHandler(test::kRelay, CBN_KILLFOCUS, [&] { ++relayLosses; });
  dialog.AddHandler(test::kFrequency, CBN_KILLFOCUS, [&] { ++frequencyLosses; });
  runner.OnDialog(test::kFormTemplate, [&](DialogDriver& d) {
    d.Type(test::kRelay, "R0");  // typing inside the combo's edit field is no focus change
    EXPECT_EQ(relayLosses, 0);
    d.Focus(test::kFrequency);
    EXPECT_EQ(relayLosses, 1);
    d.Focus(test::kSigned);
    EXPECT_EQ(frequencyLosses, 1);
    d.Esc();
  });
  dialog.DoModal();
  EXPECT_EQ(relayLosses, 1);
  EXPECT_EQ(runner.UnexpectedModals(), 0);
}

}  // namespace
