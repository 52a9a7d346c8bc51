// The grid's rules: the relay group text, relay sharing and row enabling.

#include <string>
#include <string_view>

#include "resources/resource_ids.h"
#include "support/row_name.h"
#include "tests/ui/setup_window_fixture.h"
#include "ui/group_text.h"

namespace tqr417::ui::testing {
namespace {

// ---- Group text ------------------------------------------------------------------------

struct TypedGroupCase {
  const char* description;
  const char* typed;
  int stored;
};

class TypedGroupTest : public SetupWindowTest,
                       public ::testing::WithParamInterface<TypedGroupCase> {};

TEST_P(TypedGroupTest, StoredAsReadAndShownAfterTheNextFill) {
  const TypedGroupCase& c = GetParam();
  TypeCell(grid::kGroup, 2, c.typed);
  Dlg().StoreRows();
  EXPECT_EQ(config_.functionTable.relayGroup[2], c.stored);
  Dlg().FillRows(state_.windowTop);
  EXPECT_EQ(Text(GridId(grid::kGroup, 2)), std::to_string(c.stored));
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedGroupTest,
                         ::testing::Values(TypedGroupCase{"Zero", "0", 1},
                                           TypedGroupCase{"Empty", "", 1},
                                           TypedGroupCase{"Letters", "abc", 1},
                                           TypedGroupCase{"Seven", "7", 7},
                                           TypedGroupCase{"DigitThenLetter", "3x", 3},
                                           TypedGroupCase{"ListItem", "4", 4}),
                         tqr417::test_support::RowName{});

struct TableGroupCase {
  const char* description;
  int relayGroup;
  const char* shown;
  int storedBack;
};

class TableGroupTest : public SetupWindowTest,
                       public ::testing::WithParamInterface<TableGroupCase> {};

TEST_P(TableGroupTest, ShownAsOneCharacterAndReadBackByTheStoreRule) {
  const TableGroupCase& c = GetParam();
  config_.functionTable.relayGroup[1] = c.relayGroup;
  Dlg().RefreshFromConfig();
  EXPECT_EQ(Text(GridId(grid::kGroup, 1)), c.shown);
  Dlg().StoreRows();
  EXPECT_EQ(config_.functionTable.relayGroup[1], c.storedBack);
}

INSTANTIATE_TEST_SUITE_P(Values, TableGroupTest,
                         ::testing::Values(TableGroupCase{"Zero", 0, "0", 1},
                                           TableGroupCase{"Ten", 10, ":", 1},
                                           TableGroupCase{"Nine", 9, "9", 9}),
                         tqr417::test_support::RowName{});

TEST(GroupText, WrapsToEightBitsForLargeAndNegativeGroups) {
  EXPECT_EQ(GroupText(256 + 3).GetAt(0), '3');
  EXPECT_EQ(GroupText(-1).GetAt(0), '/');
  EXPECT_EQ(GroupText(2147483647).GetLength(), 1);
  EXPECT_EQ(GroupText(-2147483647 - 1).GetLength(), 1);
}

// ---- Relay text --------------------------------------------------------------------------

struct TableRelayCase {
  const char* description;
  const char* relay;
  const char* shown;  // and stored back
};

class TableRelayTest : public SetupWindowTest,
                       public ::testing::WithParamInterface<TableRelayCase> {};

TEST_P(TableRelayTest, ShownAsTheFirstListItemItBeginsWithAndStoredAsShown) {
  const TableRelayCase& c = GetParam();
  config_.functionTable.relay[1] = c.relay;
  Dlg().RefreshFromConfig();
  EXPECT_EQ(Text(GridId(grid::kRelay, 1)), c.shown);
  Dlg().StoreRows();
  EXPECT_EQ(config_.functionTable.relay[1], c.shown);
}

INSTANTIATE_TEST_SUITE_P(Labels, TableRelayTest,
                         ::testing::Values(TableRelayCase{"LowerCase", "r01", "R01"},
                                           TableRelayCase{"LetterOnly", "R", "R01"},
                                           TableRelayCase{"SecondItem", "r02", "R02"},
                                           TableRelayCase{"NoItem", "R03", "R03"},
                                           TableRelayCase{"Empty", "", ""}),
                         tqr417::test_support::RowName{});

struct RelayInputCase {
  const char* description;
  bool paste;  // else typed, character by character
  std::u16string_view input;
  const char* kept;
};

class RelayInputTest : public SetupWindowTest,
                       public ::testing::WithParamInterface<RelayInputCase> {};

TEST_P(RelayInputTest, FieldShowsWhatTheScrollStores) {
  const RelayInputCase& c = GetParam();
  const int relay = GridId(grid::kRelay, 3);
  c.paste ? Driver().Paste(relay, c.input) : Driver().Type(relay, c.input);
  EXPECT_EQ(Text(relay), c.kept);
  Scroll(SB_LINEDOWN);
  EXPECT_EQ(config_.functionTable.relay[3], c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RelayInputTest,
    ::testing::Values(RelayInputCase{"TypedEuroSignRefused", false, u"R\u20ac1", "R1"},
                      RelayInputCase{"PastedEuroSignLeftOut", true, u"r\u20ac1", "r1"}),
    tqr417::test_support::RowName{});

// ---- Relay sharing ---------------------------------------------------------------------

class RelaySharingTest : public SetupWindowTest {
 protected:
  void SetUp() override {
    SetupWindowTest::SetUp();
    FunctionTable& t = config_.functionTable;
    t.relay[1] = "R01";   // row 1
    t.relay[5] = "R01";   // visible
    t.relay[40] = "R01";  // beyond Single mode's reach
    t.toneActive[40] = 0;
    t.relay[6] = "R02";
    t.relay[30] = "r01";  // not shown: a shown "r01" turns into the list's "R01"
    t.relayDurationMs[6] = 11;
    t.relayDurationMs[30] = 22;
    Dlg().RefreshFromConfig();
  }
};

TEST_F(RelaySharingTest, DurationFocusLossCopiesGroupAndDurationToSameRelay) {
  TypeCell(grid::kGroup, 1, "3");
  TypeCell(grid::kDuration, 1, "500");
  Driver().Focus(GridId(grid::kCtcss, 1));

  for (std::size_t e : {5u, 40u}) {
    EXPECT_EQ(config_.functionTable.relayGroup[e], 3) << e;
    EXPECT_EQ(config_.functionTable.relayDurationMs[e], 500) << e;
  }
  EXPECT_EQ(config_.functionTable.relayDurationMs[6], 11);
  EXPECT_EQ(config_.functionTable.relayDurationMs[30], 22);
  EXPECT_EQ(config_.functionTable.relayGroup[6], 1);
  EXPECT_EQ(config_.functionTable.relayDurationMs[2], 0);  // an empty relay
  // Refilled: row 5 shows its entry's new values.
  EXPECT_EQ(Text(GridId(grid::kDuration, 5)), "500");
  EXPECT_EQ(Text(GridId(grid::kGroup, 5)), "3");
}

TEST_F(RelaySharingTest, RelayAndGroupFocusLossShareToo) {
  TypeCell(grid::kRelay, 6, "R01");  // entry 6 now names R01
  TypeCell(grid::kDuration, 6, "77");
  Driver().Focus(GridId(grid::kRelay, 6));
  Driver().Focus(GridId(grid::kCtcss, 6));
  EXPECT_EQ(config_.functionTable.relayDurationMs[1], 77);
  EXPECT_EQ(config_.functionTable.relayDurationMs[40], 77);

  TypeCell(grid::kGroup, 1, "2");
  Driver().Focus(GridId(grid::kCtcss, 1));
  EXPECT_EQ(config_.functionTable.relayGroup[40], 2);
  EXPECT_EQ(config_.functionTable.relayGroup[6], 2);
}

TEST_F(RelaySharingTest, EmptyRelayCopiesNothing) {
  TypeCell(grid::kDuration, 2, "900");  // entry 2 has no relay, neither have most others
  Driver().Focus(GridId(grid::kCtcss, 2));
  EXPECT_EQ(config_.functionTable.relayDurationMs[2], 900);
  EXPECT_EQ(config_.functionTable.relayDurationMs[3], 0);
  EXPECT_EQ(config_.functionTable.relayDurationMs[99], 0);
}

TEST_F(RelaySharingTest, UniqueRelayStoresButDoesNotRefill) {
  TypeCell(grid::kGroup, 6, "zz");  // R02 is named by entry 6 only
  TypeCell(grid::kDuration, 6, "250");
  Driver().Focus(GridId(grid::kCtcss, 6));
  EXPECT_EQ(config_.functionTable.relayDurationMs[6], 250);
  EXPECT_EQ(config_.functionTable.relayGroup[6], 1);
  EXPECT_EQ(Text(GridId(grid::kGroup, 6)), "zz");  // no refill: the typed text stays
}

TEST_F(RelaySharingTest, FieldDisabledUnderTheFocusByAScrollSharesNothing) {
  FunctionTable& t = config_.functionTable;
  t.relay[2] = "R01";
  t.toneActive[2] = 0;
  t.relayGroup[2] = 4;
  t.relayDurationMs[2] = 900;
  Dlg().RefreshFromConfig();
  Driver().Focus(GridId(grid::kDuration, 1));
  Scroll(SB_LINEDOWN);  // row 1 now shows entry 2, whose row is disabled
  ASSERT_FALSE(Enabled(GridId(grid::kDuration, 1)));
  for (std::size_t e : {1u, 5u, 40u}) {
    EXPECT_EQ(t.relayDurationMs[e], 0) << e;
    EXPECT_EQ(t.relayGroup[e], 1) << e;
  }
}

// ---- Row enabling ----------------------------------------------------------------------

using ScrollBarTest = SetupWindowTest;

TEST_F(ScrollBarTest, ScrollBarControlDrivesTheGrid) {
  TypeCell(grid::kDigitalOutput, 1, "33");
  Driver().ScrollBar(res::setup::IDC_SCROLLBAR, SB_LINEDOWN);
  EXPECT_EQ(RowLabel(1), "F02");
  EXPECT_EQ(config_.functionTable.digitalOutput[1], 33);
  Driver().ScrollBar(res::setup::IDC_SCROLLBAR, SB_BOTTOM);
  EXPECT_EQ(RowLabel(10), "F16");
  EXPECT_EQ(Thumb(), 7);
}

using RowEnablingTest = SetupWindowTest;

TEST_F(RowEnablingTest, ToneActiveBoxEnablesOnlyItsRowsEditingControls) {
  Driver().Click(GridId(grid::kToneActive, 4));
  for (const GridColumn* column : kRowEditingColumns) {
    EXPECT_FALSE(Enabled(GridId(*column, 4))) << column->heading;
    EXPECT_TRUE(Enabled(GridId(*column, 3))) << column->heading;
    EXPECT_TRUE(Enabled(GridId(*column, 5))) << column->heading;
  }
  EXPECT_TRUE(Enabled(GridId(grid::kToneActive, 4)));
  EXPECT_EQ(config_.functionTable.toneActive[4], 1);  // a click only changes the enabling

  Driver().Click(GridId(grid::kToneActive, 4));
  for (const GridColumn* column : kRowEditingColumns) {
    EXPECT_TRUE(Enabled(GridId(*column, 4))) << column->heading;
  }
}

TEST_F(RowEnablingTest, AfterScrollingRowsFollowTheirEntries) {
  config_.functionTable.toneActive[3] = 0;
  config_.functionTable.toneActive[12] = 0;
  Dlg().RefreshFromConfig();
  EXPECT_FALSE(Enabled(GridId(grid::kDuration, 3)));
  Scroll(SB_BOTTOM);  // entries 7 to 16
  for (int row = 1; row <= kGridRows; ++row) {
    const bool active = state_.windowTop + row - 1 != 12;
    EXPECT_EQ(Enabled(GridId(grid::kDuration, row)), active) << row;
    EXPECT_EQ(Enabled(GridId(grid::kUseDefaultCtcss, row)), active) << row;
  }
}

TEST_F(RowEnablingTest, DisabledControlsStillTakePartInTheExchange) {
  TypeCell(grid::kCtcss, 2, "33");
  Driver().Click(GridId(grid::kToneActive, 2));
  Dlg().StoreRows();
  EXPECT_EQ(config_.functionTable.ctcssCode[2], 33);
  EXPECT_EQ(config_.functionTable.toneActive[2], 0);
}

}  // namespace
}  // namespace tqr417::ui::testing
