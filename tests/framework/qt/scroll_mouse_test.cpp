// What Qt's scroll bar does under the mouse, turned into the request codes a scroll bar
// control sends: the drag, a release without a move and a click into the shaft.

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <vector>

#include "framework/qt/qt_access.h"
#include "tests/framework/test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;

class QtScrollMouseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create());
    dialog.bar.SetScrollRange(0, 90);
    dialog.bar.SetScrollPos(50);
    control = qobject_cast<QScrollBar*>(tqr417::fw::QtWidget(dialog.GetDlgItem(40)));
    ASSERT_NE(control, nullptr);
  }
  std::vector<UINT> Codes() const {
    std::vector<UINT> codes;
    for (const auto& s : dialog.scrolls) codes.push_back(s.code);
    return codes;
  }

  test::ScrollDlg dialog;
  QScrollBar* control = nullptr;
};

TEST_F(QtScrollMouseTest, DragSendsTrackPositionsThenThePositionAndEnd) {
  control->setSliderDown(true);
  control->setSliderPosition(60);
  control->setSliderPosition(61);
  control->setSliderDown(false);
  EXPECT_EQ(Codes(),
            (std::vector<UINT>{SB_THUMBTRACK, SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
  EXPECT_EQ(dialog.scrolls[0].pos, 60u);
  EXPECT_EQ(dialog.scrolls[1].pos, 61u);
  EXPECT_EQ(dialog.scrolls[2].pos, 61u);
  EXPECT_EQ(dialog.bar.GetScrollPos(), 50);
}

TEST_F(QtScrollMouseTest, ThumbReleasedWithoutAMoveStaysWhereItStands) {
  control->setSliderDown(true);
  control->setSliderPosition(70);
  control->setSliderDown(false);  // the handler left the thumb at 50
  dialog.scrolls.clear();

  control->setSliderDown(true);
  control->setSliderDown(false);
  EXPECT_EQ(Codes(), (std::vector<UINT>{SB_THUMBPOSITION, SB_ENDSCROLL}));
  EXPECT_EQ(dialog.scrolls[0].pos, 50u) << "not where an earlier drag ended";
}

TEST_F(QtScrollMouseTest, ClickBelowTheThumbOfASmallRangePagesDown) {
  // The bar has a range and no page: its thumb does not cover a share of the shaft.
  dialog.bar.SetScrollRange(1, 7);
  dialog.bar.SetScrollPos(1);
  test::ShowActive(dialog);
  QTest::mouseClick(control, Qt::LeftButton, {},
                    QPoint(control->width() / 2, control->height() / 2));
  EXPECT_EQ(Codes(), (std::vector<UINT>{SB_PAGEDOWN, SB_ENDSCROLL}));
}

}  // namespace
