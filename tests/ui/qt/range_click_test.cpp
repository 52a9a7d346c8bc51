// A mouse press on a button while a field holds a value outside its range: the press is
// Qt's own event sequence (the focus moves on press, the click comes on release).

#include <QAbstractButton>
#include <QTest>

#include "framework/qt/qt_access.h"
#include "resources/resource_ids.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

namespace ids = res::setup;

class RangeClickTest : public SetupWindowTest {
 protected:
  int DurationMessages() const { return MessagesContaining("30000"); }
};

TEST_F(RangeClickTest, ClickTakenByTheMessageLeavesTheButtonReleased) {
  TypeCell(grid::kDuration, 1, "30001");
  auto* send =
      qobject_cast<QAbstractButton*>(tqr417::fw::QtWidget(Dlg().GetDlgItem(ids::IDC_SEND)));
  ASSERT_NE(send, nullptr);
  QTest::mousePress(send, Qt::LeftButton);  // the focus loss answers with the range message
  EXPECT_EQ(DurationMessages(), 1);
  EXPECT_FALSE(send->isDown());
  QTest::mouseRelease(send, Qt::LeftButton);
  EXPECT_EQ(runner_.Messages().size(), 1u) << "the click was taken: no upload ran";
  EXPECT_EQ(Driver().FocusedId(), GridId(grid::kDuration, 1));
}

}  // namespace
}  // namespace tqr417::ui::testing
