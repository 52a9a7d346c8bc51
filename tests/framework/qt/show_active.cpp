// ShowActive for Qt: offscreen activates a shown window only when asked to.

#include <QDialog>
#include <QTest>

#include "framework/qt/qt_access.h"
#include "framework/testing/dialog_driver.h"
#include "tests/framework/test_dialogs.h"

namespace tqr417::fw::test {

void ShowActive(CDialog& dialog) {
  if (tqr417::fw::QtWindow(dialog) == nullptr) dialog.Create();
  QDialog* window = tqr417::fw::QtWindow(dialog);
  window->show();
  window->activateWindow();
  static_cast<void>(QTest::qWaitForWindowActive(window, 1000));
  DialogDriver::Settle();
}

}  // namespace tqr417::fw::test
