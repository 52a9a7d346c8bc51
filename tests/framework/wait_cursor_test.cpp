// The wait cursor, the user's input dropped while it lasts (also as waits and modal runs nest),
// and the painting that goes on.

#include "framework/wait_cursor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "framework/modal_scope.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/scripted_runner.h"
#include "framework/wait_rule.h"
#include "support/row_name.h"
#include "test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;

TEST(WaitCursor, DropsTheUsersInputWhileItLastsAndTakesItAfter) {
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use(runner);
  test::FormDlg dialog;
  int clicks = 0;
  dialog.AddHandler(test::kEnabled, BN_CLICKED, [&] { ++clicks; });
  test::ShowActive(dialog);
  tqr417::fw::DialogDriver driver(dialog);
  const int droppedBefore = CWaitCursor::DroppedInputEvents();
  {
    CWaitCursor wait;
    driver.UserClick(test::kEnabled);
    driver.UserChar(test::kName, 'x');
    driver.UserCloseBox();
    CWaitCursor::KeepPainting();
    EXPECT_EQ(clicks, 0);
  }
  EXPECT_GT(CWaitCursor::DroppedInputEvents(), droppedBefore);
  tqr417::fw::DialogDriver::Settle();
  EXPECT_EQ(clicks, 0) << "nothing dropped comes back once the wait is over";
  EXPECT_EQ(driver.Text(test::kName), "");
  EXPECT_FALSE(driver.Ended());
  driver.UserClick(test::kEnabled);
  tqr417::fw::DialogDriver::Settle();
  EXPECT_EQ(clicks, 1);
}

TEST(WaitCursor, RunKeepsPaintingAndReturnsTheResult) {
  CWaitCursor wait;
  int painted = 0;
  tqr417::fw::DialogDriver::Later(0, [&] { ++painted; });  // stands for a pending repaint
  const int result = CWaitCursor::Run([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    return 53109;
  });
  EXPECT_EQ(result, 53109);
  EXPECT_EQ(painted, 1);
}

// Wait cursors ('W') and modal runs ('M') opened one inside the other, outermost first, and
// at each level whether the wait cursor shows and drops the user's input there ('1') or not.
struct Nesting {
  const char* description;
  std::string scopes;
  std::string dropped;
};

class WaitNestingTest : public ::testing::TestWithParam<Nesting> {
 protected:
  // Opens the scope of `level` and those inside it; checks the level on the way in and again
  // once the inner scopes have ended.
  void Open(std::size_t level) {
    if (level == GetParam().scopes.size()) return;
    std::optional<CWaitCursor> wait;
    std::optional<tqr417::fw::ModalScope> modal;
    if (GetParam().scopes[level] == 'W') {
      wait.emplace();
    } else {
      modal.emplace();
    }
    Check(level, "on the way in");
    Open(level + 1);
    Check(level, "after the inner scopes ended");
  }

  void Check(std::size_t level, const char* when) {
    const bool expected = GetParam().dropped[level] == '1';
    const int before = CWaitCursor::DroppedInputEvents();
    EXPECT_EQ(tqr417::fw::DropNow(), expected) << "level " << level << ", " << when;
    EXPECT_EQ(tqr417::fw::WaitCursorShown(), expected) << "level " << level << ", " << when;
    EXPECT_EQ(CWaitCursor::DroppedInputEvents() - before, expected ? 1 : 0) << "counted";
  }
};

TEST_P(WaitNestingTest, DropsInputOutsideTheModalWindowsOpenedDuringTheWait) {
  Open(0);
  EXPECT_FALSE(tqr417::fw::DropNow()) << "all ended";
}

INSTANTIATE_TEST_SUITE_P(
    Table, WaitNestingTest,
    ::testing::Values(Nesting{"one wait", "W", "1"},
                      Nesting{"message box during the wait", "WM", "10"},
                      Nesting{"message box inside a dialog of the wait", "WMM", "100"},
                      Nesting{"wait inside a wait", "WW", "11"},
                      Nesting{"wait begun in the main window's modal run", "MW", "01"},
                      Nesting{"message box during a wait in a modal run", "MWM", "010"},
                      Nesting{"wait begun in a message box of another wait", "WMW", "101"}),
    tqr417::test_support::RowName{});

}  // namespace
