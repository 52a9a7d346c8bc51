// CScrollBar's range and clamping, and the request codes a scroll bar control sends.

#include "framework/scroll_bar.h"

#include <gtest/gtest.h>

#include "framework/testing/dialog_driver.h"
#include "support/row_name.h"
#include "test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;

// The scroll bar control of the test dialog.
constexpr int kBar = 40;

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
    EXPECT_EQ(tqr417::fw::DialogDriver(dialog).ThumbPos(kBar), c.posAfterRange);
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
    test::ShowActive(dialog);  // a bar takes clicks only while it is shown
    dialog.bar.SetScrollRange(0, 90);
    dialog.bar.SetScrollPos(50);
  }
  std::vector<UINT> Codes() const {
    std::vector<UINT> codes;
    for (const auto& s : dialog.scrolls) codes.push_back(s.code);
    return codes;
  }

  test::ScrollDlg dialog;
  tqr417::fw::DialogDriver driver{dialog};
};

struct ActionCase {
  const char* description;
  UINT code;
};

class ScrollActionTest : public ScrollCodeTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(ScrollActionTest, SendsItsCodeThenEndScrollAndDoesNotMoveByItself) {
  driver.ScrollBar(kBar, GetParam().code);
  EXPECT_EQ(Codes(), (std::vector<UINT>{GetParam().code, SB_ENDSCROLL})) << GetParam().description;
  EXPECT_TRUE(dialog.scrolls.front().isMember) << "the handler gets the bound member";
  EXPECT_EQ(dialog.bar.GetScrollPos(), 50) << "only SetScrollPos moves the thumb";
  EXPECT_EQ(driver.ThumbPos(kBar), 50);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScrollActionTest,
    ::testing::Values(ActionCase{"line up", SB_LINEUP}, ActionCase{"line down", SB_LINEDOWN},
                      ActionCase{"page up", SB_PAGEUP}, ActionCase{"page down", SB_PAGEDOWN},
                      ActionCase{"top", SB_TOP}, ActionCase{"bottom", SB_BOTTOM}),
    tqr417::test_support::RowName{});

TEST_F(ScrollCodeTest, HandlerMovesTheThumbWithSetScrollPos) {
  struct Mover : test::ScrollDlg {
    void OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar) override {
      if (code == SB_LINEDOWN) scrollBar->SetScrollPos(scrollBar->GetScrollPos() + 1);
      if (code == SB_PAGEDOWN) scrollBar->SetScrollPos(scrollBar->GetScrollPos() + 10);
      test::ScrollDlg::OnVScroll(code, pos, scrollBar);
    }
  } mover;
  test::ShowActive(mover);
  mover.bar.SetScrollRange(0, 90);
  mover.bar.SetScrollPos(85);
  tqr417::fw::DialogDriver moverDriver(mover);
  moverDriver.ScrollBar(kBar, SB_LINEDOWN);
  EXPECT_EQ(mover.bar.GetScrollPos(), 86);
  moverDriver.ScrollBar(kBar, SB_PAGEDOWN);
  EXPECT_EQ(mover.bar.GetScrollPos(), 90) << "clamped into the range";
  EXPECT_EQ(moverDriver.ThumbPos(kBar), 90);
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
