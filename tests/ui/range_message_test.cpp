// Values outside their ranges: one message per exchange that meets them, the exchange stops
// at the first, focus changes never repeat a report, and the handlers go on regardless.

#include <string>

#include "config/defaults.h"
#include "resources/resource_ids.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

namespace ids = res::setup;

class RangeMessageTest : public SetupWindowTest {
 protected:
  int DurationMessages() const { return MessagesContaining("30000"); }
};

TEST_F(RangeMessageTest, ScrollReportsStoresAndMovesOn) {
  TypeCell(grid::kDuration, 1, "30001");
  Scroll(SB_LINEDOWN);
  EXPECT_EQ(DurationMessages(), 1);
  EXPECT_EQ(config_.table.relayDurationMs[1], 30001);
  EXPECT_EQ(RowLabel(1), "F02");

  runner_.ClearRecords();
  Dlg().OnVScroll(SB_LINEUP, 0, &Dlg().scrollBar);
  EXPECT_EQ(Text(GridId(grid::kDuration, 1)), "30001");
  // Shown unchecked, then reported once by each of the ten row rules of the fill.
  EXPECT_EQ(DurationMessages(), kGridRows);
  // The end of the scroll action stores the rows once more.
  Dlg().OnVScroll(SB_ENDSCROLL, 0, &Dlg().scrollBar);
  EXPECT_EQ(DurationMessages(), kGridRows + 1);
  ASSERT_FALSE(runner_.Messages().empty());
  EXPECT_EQ(runner_.Messages().front().icon, MB_ICONEXCLAMATION);
}

TEST_F(RangeMessageTest, FocusLossReportsOncePerFocusChange) {
  TypeCell(grid::kDuration, 1, "30001");
  Driver().Focus(GridId(grid::kDuration, 2));
  EXPECT_EQ(DurationMessages(), 1);
  EXPECT_EQ(Driver().FocusedId(), GridId(grid::kDuration, 1));
  EXPECT_TRUE(Driver().TextSelected(GridId(grid::kDuration, 1)));

  Driver().Focus(GridId(grid::kGroup, 3));
  EXPECT_EQ(DurationMessages(), 2);
  EXPECT_EQ(Driver().FocusedId(), GridId(grid::kDuration, 1));
}

TEST_F(RangeMessageTest, FailingGridFieldKeepsDualFromReachingItsMember) {
  TypeCell(grid::kDigitalOutput, 3, "64");  // a field without a focus-loss handler
  ClickDual();
  EXPECT_EQ(MessagesContaining("63"), 1);
  EXPECT_EQ(config_.main.toneMode, 0);
  int minPos = 0;
  int maxPos = 0;
  Range(minPos, maxPos);
  EXPECT_EQ(maxPos, 7);
}

TEST_F(RangeMessageTest, FailingGridFieldLeavesMomentaryEnablingAsItWas) {
  TypeCell(grid::kCtcss, 1, "65");
  Driver().Click(ids::IDC_MON_MOMENTARY);
  EXPECT_EQ(MessagesContaining("64"), 1);
  EXPECT_FALSE(Enabled(ids::IDC_MON_MOMENTARY_MS));
}

TEST_F(RangeMessageTest, NonNumericTextKeepsThePreviousValue) {
  TypeCell(grid::kDigitalOutput, 2, "x9");
  Dlg().StoreRows();
  EXPECT_EQ(runner_.Messages().size(), 1u);
  EXPECT_EQ(config_.table.digitalOutput[2], StartupConfig().table.digitalOutput[2]);
}

}  // namespace
}  // namespace tqr417::ui::testing
