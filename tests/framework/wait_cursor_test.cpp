// The wait cursor, the user's input dropped while it lasts, and the painting that goes on.

#include "framework/wait_cursor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "framework/testing/dialog_driver.h"
#include "framework/testing/scripted_runner.h"
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

}  // namespace
