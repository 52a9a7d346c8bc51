// A Qt push button given the focus by the mouse takes Enter, as the default button does.

#include <gtest/gtest.h>

#include "framework/testing/scripted_runner.h"
#include "tests/framework/test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;

TEST(QtDefaultButton, EnterWithTheMouseFocusOnCancelPressesCancel) {
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use(runner);
  test::FormDlg dialog;
  dialog.unsignedValue = 400;
  runner.OnDialog(test::kFormTemplate, [](tqr417::fw::DialogDriver& d) {
    d.Focus(IDCANCEL);
    d.Enter();
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(runner.UnexpectedModals(), 0);
}

}  // namespace
