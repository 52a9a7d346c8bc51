// Values outside their ranges: one message per exchange that meets them, the exchange stops
// at the first, focus changes never repeat a report, and the handlers go on regardless.

#include <string>

#include "config/defaults.h"
#include "resources/resource_ids.h"
#include "support/row_name.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

namespace ids = res::setup;

class RangeMessageTest : public SetupWindowTest {
 protected:
  int DurationMessages() const { return MessagesContaining("30000"); }
};

using RangeMessageRunTest = InEachWindowRun<RangeMessageTest>;

TEST_P(RangeMessageRunTest, ScrollReportsStoresAndMovesOn) {
  Act([&] {
    TypeCell(grid::kDuration, 1, "30001");
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(DurationMessages(), 1);
    EXPECT_EQ(config_.functionTable.relayDurationMs[1], 30001);
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
  });
}

TEST_P(RangeMessageRunTest, FocusLossReportsOncePerFocusChange) {
  Act([&] {
    TypeCell(grid::kDuration, 1, "30001");
    Driver().Focus(GridId(grid::kDuration, 2));
    EXPECT_EQ(DurationMessages(), 1);
    EXPECT_EQ(Driver().FocusedId(), GridId(grid::kDuration, 1));
    EXPECT_TRUE(Driver().TextSelected(GridId(grid::kDuration, 1)));

    Driver().Focus(GridId(grid::kGroup, 3));
    EXPECT_EQ(DurationMessages(), 2);
    EXPECT_EQ(Driver().FocusedId(), GridId(grid::kDuration, 1));
  });
}

TEST_P(RangeMessageRunTest, FailingGridFieldKeepsDualFromReachingItsMember) {
  Act([&] {
    TypeCell(grid::kDigitalOutput, 3, "64");  // a field without a focus-loss handler
    ClickDual();
    EXPECT_EQ(MessagesContaining("63"), 1);
    EXPECT_EQ(config_.main.toneMode, 0);
    int minPos = 0;
    int maxPos = 0;
    Range(minPos, maxPos);
    EXPECT_EQ(maxPos, 7);
  });
}

TEST_P(RangeMessageRunTest, FailingGridFieldLeavesMomentaryEnablingAsItWas) {
  Act([&] {
    TypeCell(grid::kCtcss, 1, "65");
    Driver().Click(ids::IDC_MON_MOMENTARY);
    EXPECT_EQ(MessagesContaining("64"), 1);
    EXPECT_FALSE(Enabled(ids::IDC_MON_MOMENTARY_MS));
  });
}

TEST_P(RangeMessageRunTest, NonNumericTextKeepsThePreviousValue) {
  Act([&] {
    TypeCell(grid::kDigitalOutput, 2, "x9");
    Dlg().StoreRows();
    EXPECT_EQ(runner_.Messages().size(), 1u);
    EXPECT_EQ(config_.functionTable.digitalOutput[2],
              StartupConfig().functionTable.digitalOutput[2]);
  });
}

// ---- Order of the exchange list --------------------------------------------------------

// A store stops at the failing cell: a cell bound before it reaches the table, one bound after
// it keeps its old value.
struct OrderCase {
  const char* description;
  const GridColumn* failing;
  int failingRow;
  const char* failingText;
  const GridColumn* other;  // typed with kOtherValue, or clicked when a check box
  int otherRow;
  bool otherStored;
};

constexpr const char* kOtherValue = "17";

class ExchangeOrderTest : public SetupWindowTest, public ::testing::WithParamInterface<OrderCase> {
 protected:
  int TableValue(const GridColumn* column, int row) {
    const auto e = static_cast<std::size_t>(state_.windowTop + row - 1);
    const FunctionTable& t = config_.functionTable;
    if (column == &grid::kCtcss) return t.ctcssCode[e];
    if (column == &grid::kDigitalOutput) return t.digitalOutput[e];
    if (column == &grid::kUseDefaultCtcss) return t.useDefaultCtcss[e];
    return t.toneActive[e];
  }
};

TEST_P(ExchangeOrderTest, StoreStopsAtTheFailingCell) {
  const OrderCase& c = GetParam();
  const bool check = c.other == &grid::kUseDefaultCtcss || c.other == &grid::kToneActive;
  // A Tone Active click runs an exchange of its own: the failing cell goes in first.
  const bool failFirst = c.other == &grid::kToneActive;
  const int before = TableValue(c.other, c.otherRow);
  if (failFirst) TypeCell(*c.failing, c.failingRow, c.failingText);
  if (check) {
    Driver().Click(GridId(*c.other, c.otherRow));
  } else {
    TypeCell(*c.other, c.otherRow, kOtherValue);
  }
  if (!failFirst) TypeCell(*c.failing, c.failingRow, c.failingText);
  Dlg().StoreRows();

  EXPECT_FALSE(runner_.Messages().empty());
  const int changed = check ? 1 - before : std::stoi(kOtherValue);
  EXPECT_EQ(TableValue(c.other, c.otherRow), c.otherStored ? changed : before);
}

INSTANTIATE_TEST_SUITE_P(
    Bindings, ExchangeOrderTest,
    ::testing::Values(
        OrderCase{"CtcssRowTenComesBeforeRowTwo", &grid::kCtcss, 10, "99", &grid::kCtcss, 2, false},
        OrderCase{"CtcssRowTwoComesAfterRowTen", &grid::kCtcss, 2, "99", &grid::kCtcss, 10, true},
        OrderCase{"CtcssComesBeforeDigitalOutput", &grid::kCtcss, 1, "99", &grid::kDigitalOutput, 1,
                  false},
        OrderCase{"DigitalOutputComesAfterCtcss", &grid::kDigitalOutput, 5, "64", &grid::kCtcss, 9,
                  true},
        OrderCase{"UseDefaultComesBeforeDigitalOutput", &grid::kDigitalOutput, 1, "64",
                  &grid::kUseDefaultCtcss, 2, true},
        OrderCase{"UseDefaultComesAfterCtcss", &grid::kCtcss, 1, "x", &grid::kUseDefaultCtcss, 2,
                  false},
        OrderCase{"ToneActiveComesAfterEveryGridField", &grid::kDigitalOutput, 9, "64",
                  &grid::kToneActive, 1, false}),
    tqr417::test_support::RowName{});

INSTANTIATE_TEST_SUITE_P(Runs, RangeMessageRunTest, kEachWindowRun, WindowRunName{});

}  // namespace
}  // namespace tqr417::ui::testing
