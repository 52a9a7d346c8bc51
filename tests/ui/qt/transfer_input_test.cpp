// While an upload holds the line, the window takes no input: a mouse click on Exit, a key in a
// grid field and the close box, given as Qt's own events during the transfer, are dropped.

#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <chrono>

#include "framework/qt/qt_access.h"
#include "framework/wait_cursor.h"
#include "link/unit_protocol.h"
#include "resources/resource_ids.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

namespace ids = res::setup;

using TransferInputTest = SetupWindowTest;

TEST_F(TransferInputTest, WindowTakesNoInputWhileTheLineIsHeld) {
  ports_.channel.incoming = {REPLY_ACCEPTED};
  ports_.sendTime = std::chrono::milliseconds(250);
  const int droppedBefore = CWaitCursor::DroppedInputEvents();
  QWidget* exitButton = tqr417::fw::QtWidget(Dlg().GetDlgItem(ids::IDC_EXIT));
  QWidget* ctcss = tqr417::fw::QtWidget(Dlg().GetDlgItem(GridId(grid::kCtcss, 1)));
  bool clicked = false;
  QTimer::singleShot(100, [&] {
    QTest::mouseClick(exitButton, Qt::LeftButton);
    QTest::keyClick(ctcss, Qt::Key_7);
    tqr417::fw::QtWindow(Dlg())->close();  // the close box
    clicked = true;
  });
  Driver().Click(ids::IDC_SEND);
  EXPECT_TRUE(clicked);
  EXPECT_GT(CWaitCursor::DroppedInputEvents(), droppedBefore);
  EXPECT_FALSE(Dlg().HasEnded());
  EXPECT_TRUE(tqr417::fw::QtWindow(Dlg())->isVisible());
  EXPECT_EQ(Text(GridId(grid::kCtcss, 1)), "0");
  ASSERT_EQ(runner_.Messages().size(), 1u);
  EXPECT_EQ(runner_.Messages()[0].text, "Data Received by TQR-417 OK");
}

}  // namespace
}  // namespace tqr417::ui::testing
