// CScrollBar's range and clamping, and the request codes a scroll bar control sends.

#include "framework/scroll_bar.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "framework/qt/qt_access.h"
#include "framework/testing/dialog_driver.h"
#include "support/row_name.h"
#include "test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;

// The scroll bar control (id 40) of a test dialog's window.
QScrollBar* Bar(test::ScrollDlg& dialog) {
  return qobject_cast<QScrollBar*>(tqr417::fw::QtWidget(dialog.GetDlgItem(40)));
}

struct ClampCase {
  const char* description;
  int rangeMin, rangeMax, setPos;  // first range, then the position
  int newMin, newMax;              // then a new range
  int posAfterSet, posAfterRange;
};

class ScrollClampTest : public ::testing::TestWithParam<std::tuple<ClampCase, bool>> {};

TEST_P(ScrollClampTest, PositionStaysInsideTheRange) {
  const auto& [c, attached] = GetParam();
  test::ScrollDlg dialog;
  if (attached) {
    ASSERT_TRUE(dialog.Create());  // the first exchange attaches the member
    ASSERT_TRUE(dialog.bar.IsAttached());
  }
  CScrollBar& bar = dialog.bar;
  bar.SetScrollRange(c.rangeMin, c.rangeMax);
  bar.SetScrollPos(c.setPos);
  EXPECT_EQ(bar.GetScrollPos(), c.posAfterSet) << c.description;
  bar.SetScrollRange(c.newMin, c.newMax);
  EXPECT_EQ(bar.GetScrollPos(), c.posAfterRange) << c.description;
  int minPos = -99, maxPos = -99;
  bar.GetScrollRange(&minPos, &maxPos);
  EXPECT_EQ(minPos, c.newMin);
  EXPECT_EQ(maxPos, c.newMax);
  if (attached) {
    EXPECT_EQ(Bar(dialog)->value(), c.posAfterRange);
    dialog.DestroyWindow();
    EXPECT_FALSE(bar.IsAttached());
    EXPECT_EQ(bar.GetScrollPos(), c.posAfterRange) << "kept after the window is gone";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScrollClampTest,
    ::testing::Combine(
        ::testing::Values(ClampCase{"inside stays", 0, 90, 50, 0, 90, 50, 50},
                          ClampCase{"past the top sets the maximum", 0, 90, 95, 0, 90, 90, 90},
                          ClampCase{"below sets the minimum", 1, 7, 0, 1, 7, 1, 1},
                          ClampCase{"Dual at 50 to Single clamps to 7", 0, 90, 50, 1, 7, 50, 7},
                          ClampCase{"Single at 1 to Dual keeps 1", 1, 7, 1, 0, 90, 1, 1}),
        ::testing::Bool()),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

class ScrollCodeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create());
    dialog.bar.SetScrollRange(0, 90);
    dialog.bar.SetScrollPos(50);
    control = Bar(dialog);
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

struct ActionCase {
  const char* description;
  QAbstractSlider::SliderAction action;
  UINT code;
};

class ScrollActionTest : public ScrollCodeTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(ScrollActionTest, SendsItsCodeThenEndScrollAndDoesNotMoveByItself) {
  control->triggerAction(GetParam().action);
  EXPECT_EQ(Codes(), (std::vector<UINT>{GetParam().code, SB_ENDSCROLL})) << GetParam().description;
  EXPECT_TRUE(dialog.scrolls.front().isMember) << "the handler gets the bound member";
  EXPECT_EQ(dialog.bar.GetScrollPos(), 50) << "only SetScrollPos moves the thumb";
  EXPECT_EQ(control->sliderPosition(), 50);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScrollActionTest,
    ::testing::Values(ActionCase{"line up", QAbstractSlider::SliderSingleStepSub, SB_LINEUP},
                      ActionCase{"line down", QAbstractSlider::SliderSingleStepAdd, SB_LINEDOWN},
                      ActionCase{"page up", QAbstractSlider::SliderPageStepSub, SB_PAGEUP},
                      ActionCase{"page down", QAbstractSlider::SliderPageStepAdd, SB_PAGEDOWN},
                      ActionCase{"top", QAbstractSlider::SliderToMinimum, SB_TOP},
                      ActionCase{"bottom", QAbstractSlider::SliderToMaximum, SB_BOTTOM}),
    tqr417::test_support::RowName{});

TEST_F(ScrollCodeTest, DragSendsTrackPositionsThenThePositionAndEnd) {
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

TEST_F(ScrollCodeTest, ThumbReleasedWithoutAMoveStaysWhereItStands) {
  control->setSliderDown(true);
  control->setSliderPosition(70);
  control->setSliderDown(false);  // the handler left the thumb at 50
  dialog.scrolls.clear();

  control->setSliderDown(true);
  control->setSliderDown(false);
  EXPECT_EQ(Codes(), (std::vector<UINT>{SB_THUMBPOSITION, SB_ENDSCROLL}));
  EXPECT_EQ(dialog.scrolls[0].pos, 50u) << "not where an earlier drag ended";
}

TEST_F(ScrollCodeTest, ClickBelowTheThumbOfASmallRangePagesDown) {
  // The bar has a range and no page: its thumb does not cover a share of the shaft.
  dialog.bar.SetScrollRange(1, 7);
  dialog.bar.SetScrollPos(1);
  test::ShowActive(dialog);
  QTest::mouseClick(control, Qt::LeftButton, {},
                    QPoint(control->width() / 2, control->height() / 2));
  EXPECT_EQ(Codes(), (std::vector<UINT>{SB_PAGEDOWN, SB_ENDSCROLL}));
}

TEST_F(ScrollCodeTest, HandlerMovesTheThumbWithSetScrollPos) {
  struct Mover : test::ScrollDlg {
    void OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar) override {
      if (code == SB_LINEDOWN) scrollBar->SetScrollPos(scrollBar->GetScrollPos() + 1);
      if (code == SB_PAGEDOWN) scrollBar->SetScrollPos(scrollBar->GetScrollPos() + 10);
      test::ScrollDlg::OnVScroll(code, pos, scrollBar);
    }
  } mover;
  ASSERT_TRUE(mover.Create());
  mover.bar.SetScrollRange(0, 90);
  mover.bar.SetScrollPos(85);
  Bar(mover)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(mover.bar.GetScrollPos(), 86);
  Bar(mover)->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(mover.bar.GetScrollPos(), 90) << "clamped into the range";
  EXPECT_EQ(Bar(mover)->sliderPosition(), 90);
}

TEST(ScrollNewControl, StartsWithAnEmptyRange) {
  test::ScrollDlg dialog;
  ASSERT_TRUE(dialog.Create());
  int minPos = -1, maxPos = -1;
  dialog.bar.GetScrollRange(&minPos, &maxPos);
  EXPECT_EQ(minPos, 0);
  EXPECT_EQ(maxPos, 0);
}

}  // namespace
