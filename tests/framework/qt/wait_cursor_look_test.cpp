// The Qt wait cursor as the user sees it: the cursor's shape while input is dropped, and the
// arrow over it while a message box asks something.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

#include "framework/message_box.h"
#include "framework/testing/scripted_runner.h"
#include "framework/wait_cursor.h"

namespace {

TEST(QtWaitCursor, DropsInputWhileItLastsAndRestoresAfter) {
  QPushButton button("Send");
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
  button.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
  const int droppedBefore = CWaitCursor::DroppedInputEvents();
  {
    CWaitCursor wait;
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClick(&button, Qt::Key_Space);
    CWaitCursor::KeepPainting();
    EXPECT_EQ(clicks, 0);
  }
  EXPECT_GT(CWaitCursor::DroppedInputEvents(), droppedBefore);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST(QtWaitCursor, MessageBoxDuringTheCommandShowsTheNormalCursor) {
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use(runner);
  CWaitCursor wait;
  Qt::CursorShape during = Qt::WaitCursor;
  struct Probe : tqr417::fw::ScriptedRunner {
    Qt::CursorShape* seen;
    int ShowMessage(const tqr417::fw::MessageRequest& r, CDialog* owner) override {
      *seen = QGuiApplication::overrideCursor()->shape();
      return ScriptedRunner::ShowMessage(r, owner);
    }
  } probe;
  probe.seen = &during;
  tqr417::fw::ScopedModalRunner useProbe(probe);
  AfxMessageBox("Data Received by TQR-417 OK");
  EXPECT_EQ(during, Qt::ArrowCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

}  // namespace
