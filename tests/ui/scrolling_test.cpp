// Scrolling the grid in both tone modes: each request of the shared table (scroll_cases.h) as
// the scroll bar gives it, and the rule that the rows follow the thumb while windowTop follows
// the rows. The same requests through Qt's accessibility interface are in
// qt/scrolling_accessible_test.cpp.

#include <cctype>
#include <string>

#include "link/config_frame.h"
#include "resources/resource_ids.h"
#include "support/row_name.h"
#include "tests/ui/scroll_cases.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

class ScrollingTest : public SetupWindowTest, public ::testing::WithParamInterface<ScrollCase> {
 protected:
  // A click on the scroll bar itself where one gives the code; the thumb requests and codes no
  // click gives go to the window as the bar would send them.
  void Request(UINT code, UINT pos) {
    const bool click = code <= SB_BOTTOM && code != SB_THUMBPOSITION && code != SB_THUMBTRACK;
    if (click) {
      Driver().ScrollBar(res::setup::IDC_SCROLLBAR, code);
    } else {
      Scroll(code, pos);
    }
  }
};

TEST_P(ScrollingTest, RowsFollowTheClampedThumb) {
  const ScrollCase& c = GetParam();
  if (c.toneMode == kDual) ClickDual();
  Scroll(SB_THUMBPOSITION, static_cast<UINT>(c.startThumb));
  ASSERT_EQ(Thumb(), c.startThumb);

  Request(c.code, c.pos);
  ExpectGridAt(c.expectedTop);
}

INSTANTIATE_TEST_SUITE_P(Requests, ScrollingTest, ::testing::ValuesIn(kScrollCases),
                         tqr417::test_support::RowName{});

using ThumbRuleTest = SetupWindowTest;

TEST_F(ThumbRuleTest, EndOfScrollStoresWithoutRefilling) {
  TypeCell(grid::kCtcss, 2, "12");
  TypeCell(grid::kGroup, 3, "abc");
  Dlg().OnVScroll(SB_ENDSCROLL, 0, &Dlg().scrollBar);
  EXPECT_EQ(config_.functionTable.ctcssCode[2], 12);
  EXPECT_EQ(config_.functionTable.relayGroup[3], 1);
  EXPECT_EQ(Text(GridId(grid::kGroup, 3)), "abc");  // shown as typed until the next fill
  EXPECT_EQ(state_.windowTop, 1);
}

TEST_F(ThumbRuleTest, DragStoresAndRefillsAtEveryPosition) {
  TypeCell(grid::kDigitalOutput, 1, "40");
  Dlg().OnVScroll(SB_THUMBTRACK, 3, &Dlg().scrollBar);
  EXPECT_EQ(config_.functionTable.digitalOutput[1], 40);
  EXPECT_EQ(RowLabel(1), "F03");
  TypeCell(grid::kDigitalOutput, 1, "41");
  Dlg().OnVScroll(SB_THUMBTRACK, 5, &Dlg().scrollBar);
  EXPECT_EQ(config_.functionTable.digitalOutput[3], 41);
  Dlg().OnVScroll(SB_THUMBPOSITION, 5, &Dlg().scrollBar);
  Dlg().OnVScroll(SB_ENDSCROLL, 0, &Dlg().scrollBar);
  EXPECT_EQ(RowLabel(1), "F05");
  EXPECT_EQ(Text(GridId(grid::kDigitalOutput, 1)),
            std::to_string(config_.functionTable.digitalOutput[5]));
}

TEST_F(ThumbRuleTest, ToneModeChangeClampsTheThumbAndKeepsTheRows) {
  ClickDual();
  Scroll(SB_THUMBPOSITION, 50);
  ASSERT_EQ(RowLabel(1), "F50");

  Driver().Click(res::setup::IDC_SINGLE);
  int minPos = 0;
  int maxPos = 0;
  Range(minPos, maxPos);
  EXPECT_EQ(minPos, 1);
  EXPECT_EQ(maxPos, 7);
  EXPECT_EQ(state_.scrollMax, 7);
  EXPECT_EQ(Thumb(), 7);
  EXPECT_EQ(RowLabel(1), "F50");
  EXPECT_EQ(state_.windowTop, 50);

  // The next scroll stores at the old top, then moves on from the thumb.
  TypeCell(grid::kDuration, 1, "1234");
  Scroll(SB_LINEDOWN);
  EXPECT_EQ(config_.functionTable.relayDurationMs[50], 1234);
  EXPECT_EQ(RowLabel(1), "F07");
  EXPECT_EQ(RowLabel(10), "F16");
}

TEST_F(ThumbRuleTest, DualButtonWidensTheRangeWithoutMovingRows) {
  Scroll(SB_THUMBPOSITION, 4);
  ClickDual();
  int minPos = 0;
  int maxPos = 0;
  Range(minPos, maxPos);
  EXPECT_EQ(minPos, 0);
  EXPECT_EQ(maxPos, 90);
  EXPECT_EQ(state_.scrollMax, 90);
  EXPECT_EQ(Thumb(), 4);
  EXPECT_EQ(RowLabel(1), "F04");
}

TEST_F(ThumbRuleTest, RefreshStartsAtTheRangeMinimumButLeavesTheThumb) {
  ClickDual();
  Scroll(SB_THUMBPOSITION, 50);
  Dlg().RefreshFromConfig();
  EXPECT_EQ(RowLabel(1), "F00");
  EXPECT_EQ(state_.windowTop, 0);
  EXPECT_EQ(Thumb(), 50);
  Scroll(SB_LINEDOWN);
  EXPECT_EQ(RowLabel(1), "F51");
}

}  // namespace
}  // namespace tqr417::ui::testing
