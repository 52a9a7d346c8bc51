// The Qt part of the main window fixture: bringing the window to the front, which offscreen
// does not do by itself after a modal run.

#include <QDialog>
#include <QTest>

#include "framework/qt/qt_access.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {

void SetupWindowTest::Reactivate() {
  QDialog* window = tqr417::fw::QtWindow(Dlg());
  ASSERT_NE(window, nullptr);
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  fw::DialogDriver::Settle();
}

}  // namespace tqr417::ui::testing
