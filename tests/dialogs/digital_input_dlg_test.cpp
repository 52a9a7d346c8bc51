// The two digital input dialogs: which controls each rule enables, when the rules run, and
// the full read that comes before each rule, with its messages.

#include "dialog_test_support.h"
#include "support/row_name.h"

namespace tqr417::dialogs::dialog_tests {
namespace {

constexpr int kDig5Ruled[] = {IDC_DIG5_ACTIVE_HIGH, IDC_DIG5_FREQ, IDC_DIG5_LEVEL, IDC_DIG5_ON_MS,
                              IDC_DIG5_OFF_MS,      IDC_DIG5_R1,   IDC_DIG5_R2};
constexpr int kDig4Ruled[] = {IDC_DIG4_REVERT_SEC, IDC_DIG4_ACTIVE_HIGH, IDC_DIG4_RX_MUTE,
                              IDC_DIG4_REVERT,     IDC_DIG4_R1,          IDC_DIG4_R2};

template <size_t N>
void ExpectEnabled(DialogDriver& d, const int (&ids)[N], bool enabled, const char* when) {
  for (int id : ids) EXPECT_EQ(IsEnabled(d, id), enabled) << "control " << id << " " << when;
}

class Dig5Test : public DialogTest {};

TEST_F(Dig5Test, EnableBoxSwitchesTheSevenControlsAndKeepsTheirValues) {
  settings.dig5Enable = 0;
  const DialogSettings before = settings;
  Run(IDD_DIG5_TONE, [&](DialogDriver& d) {
    ExpectEnabled(d, kDig5Ruled, false, "at opening");
    EXPECT_TRUE(IsEnabled(d, IDC_DIG5_ENABLE));
    EXPECT_TRUE(IsEnabled(d, IDOK));
    EXPECT_TRUE(IsEnabled(d, IDCANCEL));
    d.Click(IDC_DIG5_ENABLE);
    ExpectEnabled(d, kDig5Ruled, true, "after setting the box");
    EXPECT_EQ(d.Text(IDC_DIG5_FREQ), "1201");
    d.Click(IDC_DIG5_ENABLE);
    ExpectEnabled(d, kDig5Ruled, false, "after clearing the box");
    d.Enter();
  });
  EXPECT_EQ(MessageCount(), 0u);
  EXPECT_EQ(settings, before) << "values unchanged, the box back to clear";
}

// Opening reports the stored frequency but still applies the rule, since the Enable box is
// read before it; OK is blocked until the box is set, the value corrected and the box cleared.
TEST_F(Dig5Test, BadValueInDisabledFieldNeedsTheBoxToBeCorrected) {
  settings.dig5Enable = 0;
  settings.dig5ToneFreq = 0;
  Run(IDD_DIG5_TONE, [&](DialogDriver& d) {
    ExpectEnabled(d, kDig5Ruled, false, "at opening, although the read failed");
    d.Enter();
    EXPECT_FALSE(d.Ended());
    d.Click(IDC_DIG5_ENABLE);  // the rule's read reports the frequency again
    EXPECT_EQ(MessageCount(), 3u);
    ExpectEnabled(d, kDig5Ruled, true, "after setting the box");
    d.Type(IDC_DIG5_FREQ, "2500");
    d.Click(IDC_DIG5_ENABLE);
    ExpectEnabled(d, kDig5Ruled, false, "after clearing the box");
    d.Enter();
  });
  EXPECT_EQ(MessageCount(), 3u);
  EXPECT_EQ(settings.dig5Enable, 0);
  EXPECT_EQ(settings.dig5ToneFreq, 2500);
}

struct Dig4OpeningRow {
  const char* name;
  int enable;
  int revert;
  friend void PrintTo(const Dig4OpeningRow& row, std::ostream* os) { *os << row.name; }
};

class Dig4OpeningTest : public DialogTest, public ::testing::WithParamInterface<Dig4OpeningRow> {};

// At opening the enable rule runs last, so the seconds edit follows the Enable box alone; the
// two rows are the ones where the Revert box says otherwise.
TEST_P(Dig4OpeningTest, EnableBoxDecidesAtOpening) {
  const Dig4OpeningRow& row = GetParam();
  settings.dig4Enable = row.enable;
  settings.dig4RevertF1 = row.revert;
  Run(IDD_DIG4_COR, [&](DialogDriver& d) {
    ExpectEnabled(d, kDig4Ruled, row.enable != 0, "at opening");
    EXPECT_TRUE(IsEnabled(d, IDC_DIG4_ENABLE));
    d.Esc();
  });
  EXPECT_EQ(MessageCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Boxes, Dig4OpeningTest,
                         ::testing::Values(Dig4OpeningRow{"EnabledRevertClear", 1, 0},
                                           Dig4OpeningRow{"DisabledRevertSet", 0, 1}),
                         tqr417::test_support::RowName{});

class Dig4Test : public DialogTest {};

TEST_F(Dig4Test, SecondsEditFollowsWhicheverRuleRanLast) {
  Run(IDD_DIG4_COR, [&](DialogDriver& d) {
    d.Click(IDC_DIG4_REVERT);
    EXPECT_FALSE(IsEnabled(d, IDC_DIG4_REVERT_SEC)) << "revert cleared";
    d.Click(IDC_DIG4_REVERT);
    EXPECT_TRUE(IsEnabled(d, IDC_DIG4_REVERT_SEC)) << "revert set";
    d.Click(IDC_DIG4_REVERT);
    ASSERT_FALSE(IsEnabled(d, IDC_DIG4_REVERT_SEC));
    d.Click(IDC_DIG4_ENABLE);
    ExpectEnabled(d, kDig4Ruled, false, "after clearing Enable");
    d.Click(IDC_DIG4_ENABLE);
    ExpectEnabled(d, kDig4Ruled, true, "after setting Enable, revert still clear");
    EXPECT_FALSE(IsChecked(d, IDC_DIG4_REVERT));
    d.Enter();
  });
  EXPECT_EQ(MessageCount(), 0u);
  EXPECT_EQ(settings.dig4RevertF1, 0);
  EXPECT_EQ(settings.dig4Enable, 1);
}

// The read stops at the seconds edit, before the Enable box: the rule keeps the previous
// state while the box shows the new one; OK stores the box as shown once the time is fixed.
TEST_F(Dig4Test, BadSecondsMakeEnableClickUsePreviousState) {
  Run(IDD_DIG4_COR, [&](DialogDriver& d) {
    d.Type(IDC_DIG4_REVERT_SEC, "40000");
    d.Click(IDC_DIG4_ENABLE);
    ASSERT_EQ(MessageCount(), 1u);
    ExpectNames(LastMessage(), {"0", "30000"});
    EXPECT_FALSE(IsChecked(d, IDC_DIG4_ENABLE));
    ExpectEnabled(d, kDig4Ruled, true, "as before the click");
    d.Enter();
    EXPECT_FALSE(d.Ended());
    d.Type(IDC_DIG4_REVERT_SEC, "20");
    d.Enter();
  });
  EXPECT_EQ(MessageCount(), 2u);
  EXPECT_EQ(settings.dig4Enable, 0);
  EXPECT_EQ(settings.dig4RevertSec, 20);
}

}  // namespace
}  // namespace tqr417::dialogs::dialog_tests
