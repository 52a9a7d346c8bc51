// The keys that paste into a Win32 edit field: Ctrl+V, whose character makes the edit field
// send itself WM_PASTE, and Shift+Insert, which the edit control pastes without that message.
// Both go through the field's input rule.

#include <gtest/gtest.h>

#include "framework/modal_runner.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/scripted_runner.h"
#include "framework/win32/testing/native_driver.h"
#include "support/row_name.h"
#include "tests/framework/test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;
namespace native = tqr417::fw::win32::testing;

constexpr int kVkInsert = 0x2D;

struct PasteKeyCase {
  const char* description;
  int key;
  int modifiers;
};

class PasteKeyTest : public ::testing::TestWithParam<PasteKeyCase> {
 protected:
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use{runner};
};

TEST_P(PasteKeyTest, PastesWhatTheFieldKeeps) {
  const PasteKeyCase& c = GetParam();
  test::FormDlg dialog;
  test::ShowActive(dialog);
  tqr417::fw::DialogDriver driver(dialog);
  driver.Type(test::kUpper, "x");
  native::SetClipboardText(u"de \u20ac");
  driver.Key(c.key, c.modifiers);
  EXPECT_EQ(driver.Text(test::kUpper).str(), "XDE ");
}

INSTANTIATE_TEST_SUITE_P(Keys, PasteKeyTest,
                         ::testing::Values(PasteKeyCase{"CtrlV", 'V', native::kControl},
                                           PasteKeyCase{"ShiftInsert", kVkInsert, native::kShift}),
                         tqr417::test_support::RowName{});

}  // namespace
