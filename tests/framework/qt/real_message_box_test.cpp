// Focus-loss reports with the production runner's real Qt message boxes: a box taking the
// activation inside a focus-loss handler is no second focus change.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "framework/testing/dialog_driver.h"
#include "tests/framework/test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;
using tqr417::fw::DialogDriver;

// With real message boxes (the production runner), a box taking the activation inside a
// focus-loss handler must not start a second report.
TEST(RealMessageBoxes, OneBoxForOneFocusChange) {
  test::ScrollDlg dialog;
  ASSERT_TRUE(dialog.Create());
  test::ShowActive(dialog);
  dialog.GetDlgItem(41)->SetWindowText("55");
  dialog.GetDlgItem(42)->SetWindowText("77");
  DialogDriver driver(dialog);
  driver.Focus(41);

  int boxes = 0;
  QTimer watcher;
  QPointer<QWidget> lastSeen;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr || box == lastSeen) return;
    lastSeen = box;
    ++boxes;
    QTimer::singleShot(0, box, [box] { box->accept(); });
  });
  watcher.start(5);
  driver.Tab();
  watcher.stop();
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(dialog.focusReports, 1);
}

}  // namespace
