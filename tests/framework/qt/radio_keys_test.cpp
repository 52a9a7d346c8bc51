// Arrow keys in a radio group of a Qt dialog: they go round the group's buttons and pass over
// an edit field inside it. (On Windows the system's dialog manager moves the arrows, and an
// edit field inside the group takes the focus and keeps the arrow keys.)

#include <gtest/gtest.h>

#include <memory>

#include "framework/testing/dialog_driver.h"
#include "framework/testing/scripted_runner.h"
#include "tests/framework/test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;

class QtRadioKeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.radioFirst = 2;
    dialog.radioSecond = 0;
    ASSERT_TRUE(dialog.Create());
    test::ShowActive(dialog);
    driver = std::make_unique<tqr417::fw::DialogDriver>(dialog);
  }
  bool Checked(int id) { return driver->Checked(id); }

  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use{runner};
  test::FormDlg dialog;
  std::unique_ptr<tqr417::fw::DialogDriver> driver;
};

// The first step (Down selects the next button as a click does) is the shared data exchange
// test's; this one goes on from there, over the edit field and round the group.
TEST_F(QtRadioKeysTest, ArrowKeysSelectTheNeighbourInTheSameRadioGroup) {
  driver->Click(test::kRadioA);
  driver->Key(tqr417::fw::keys::kDown);
  ASSERT_EQ(driver->FocusedId(), test::kRadioB);
  driver->Key(tqr417::fw::keys::kRight);  // over the edit field inside the group
  EXPECT_EQ(driver->FocusedId(), test::kRadioC);
  driver->Key(tqr417::fw::keys::kDown);  // round to the first button, not into the next group
  EXPECT_EQ(driver->FocusedId(), test::kRadioA);
  driver->Key(tqr417::fw::keys::kUp);
  driver->Key(tqr417::fw::keys::kLeft);
  EXPECT_EQ(driver->FocusedId(), test::kRadioB);
  EXPECT_TRUE(Checked(test::kRadioD)) << "the next group is left alone";
  ASSERT_EQ(dialog.UpdateData(TRUE), TRUE);
  EXPECT_EQ(dialog.radioFirst, 1);
}

}  // namespace
