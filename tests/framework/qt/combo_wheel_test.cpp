// Qt combo boxes and the mouse wheel: a closed box turns only while it has the focus, so that
// scrolling over a dialog does not change its settings by accident.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

#include "framework/qt/qt_access.h"
#include "framework/testing/scripted_runner.h"
#include "tests/framework/test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;

TEST(ComboWheel, WheelChangesAClosedComboOnlyWhileItHasTheFocus) {
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use(runner);
  test::FormDlg dialog;
  dialog.frequency = "2175";
  test::ShowActive(dialog);
  const auto turn = [&dialog](int id, int delta) {
    QWidget* combo = tqr417::fw::QtWidget(dialog.GetDlgItem(id));
    const QPointF centre(combo->width() / 2.0, combo->height() / 2.0);
    QWheelEvent wheel(centre, combo->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
  };
  for (const int id : {test::kRelay, test::kFrequency}) {
    dialog.AddHandler(id, CBN_SELCHANGE, [&dialog, id] { dialog.Record(id, CBN_SELCHANGE); });
    for (const int delta : {-120, 120, 120}) turn(id, delta);
  }
  EXPECT_EQ(dialog.GetDlgItem(test::kRelay)->GetWindowText(), "");
  EXPECT_EQ(dialog.GetDlgItem(test::kFrequency)->GetWindowText(), "2175");
  EXPECT_TRUE(dialog.notifications.empty());

  dialog.GetDlgItem(test::kFrequency)->SetFocus();  // a focused box follows the wheel
  turn(test::kFrequency, -120);
  EXPECT_EQ(dialog.GetDlgItem(test::kFrequency)->GetWindowText(), "2300");
  EXPECT_EQ(dialog.notifications.size(), 1u);
}

}  // namespace
