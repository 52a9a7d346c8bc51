// The Morse code dialog: the interval enabling rule at opening, on each radio click and after
// a read that fails; the upper-case text, its 50-character limit, and
// MakeUpper on OK only.

#include "dialog_test_support.h"
#include "support/row_name.h"

namespace tqr417::dialogs::dialog_tests {
namespace {

struct OpeningRow {
  const char* name;
  int storedMode;
  bool endOfPttChecked, timerChecked, intervalEnabled;
  friend void PrintTo(const OpeningRow& row, std::ostream* os) { *os << row.name; }
};

class MorseOpeningTest : public DialogTest, public ::testing::WithParamInterface<OpeningRow> {};

TEST_P(MorseOpeningTest, IntervalFollowsStoredOption) {
  const OpeningRow& row = GetParam();
  settings.morseAutoMode = row.storedMode;
  Run(IDD_MORSE, [&](DialogDriver& d) {
    EXPECT_EQ(IsChecked(d, IDC_MORSE_END_OF_PTT), row.endOfPttChecked);
    EXPECT_EQ(IsChecked(d, IDC_MORSE_TIMER), row.timerChecked);
    EXPECT_EQ(IsEnabled(d, IDC_MORSE_INTERVAL), row.intervalEnabled);
    d.Enter();
  });
  EXPECT_EQ(settings.morseAutoMode,
            row.storedMode == 0 || row.storedMode == 1 ? row.storedMode : -1)
      << "OK without a selected button stores -1";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Options, MorseOpeningTest, ::testing::Values(
    OpeningRow{"TimerInterval", 1, false, true, true},
    OpeningRow{"EndOfEachPtt", 0, true, false, false},
    OpeningRow{"NeitherButton", 7, false, false, true}),
    tqr417::test_support::RowName{});
// clang-format on

class MorseDlgTest : public DialogTest {};

TEST_F(MorseDlgTest, RadioClicksSwitchIntervalAndKeepItsValue) {
  Run(IDD_MORSE, [&](DialogDriver& d) {
    d.Click(IDC_MORSE_END_OF_PTT);
    EXPECT_FALSE(IsEnabled(d, IDC_MORSE_INTERVAL));
    EXPECT_EQ(d.Text(IDC_MORSE_INTERVAL).str(), "11");
    d.Click(IDC_MORSE_TIMER);
    EXPECT_TRUE(IsEnabled(d, IDC_MORSE_INTERVAL));
    EXPECT_EQ(d.Text(IDC_MORSE_INTERVAL).str(), "11");
    d.Click(IDC_MORSE_END_OF_PTT);
    d.Enter();
  });
  EXPECT_EQ(MessageCount(), 0u);
  EXPECT_EQ(settings.morseAutoMode, 0);
  EXPECT_EQ(settings.morseIntervalMin, 11) << "a disabled interval is still stored";
}

// The option is read first, so the rule follows the click although the read fails later.
TEST_F(MorseDlgTest, ClickWithBadFrequencyReportsItAndStillAppliesTheRule) {
  const DialogSettings before = settings;
  Run(IDD_MORSE, [&](DialogDriver& d) {
    d.Type(IDC_MORSE_FREQ, "50");
    d.Click(IDC_MORSE_END_OF_PTT);
    ASSERT_EQ(MessageCount(), 1u);
    ExpectNames(LastMessage(), {"400", "2000"});
    EXPECT_EQ(d.FocusedId(), IDC_MORSE_FREQ);
    EXPECT_TRUE(IsChecked(d, IDC_MORSE_END_OF_PTT));
    EXPECT_FALSE(IsEnabled(d, IDC_MORSE_INTERVAL));
    d.Esc();
  });
  EXPECT_EQ(settings, before);
}

TEST_F(MorseDlgTest, DisabledIntervalIsStillCheckedOnOk) {
  settings.morseAutoMode = 0;
  settings.morseIntervalMin = 300;
  Run(IDD_MORSE, [&](DialogDriver& d) {
    ASSERT_FALSE(IsEnabled(d, IDC_MORSE_INTERVAL));
    d.Enter();
    ASSERT_EQ(MessageCount(), 1u);
    ExpectNames(LastMessage(), {"0", "200"});
    d.Esc();
  });
  EXPECT_EQ(settings.morseIntervalMin, 300);
}

TEST_F(MorseDlgTest, TypedTextTurnsUpperCaseAndStopsAtFiftyCharacters) {
  Run(IDD_MORSE, [&](DialogDriver& d) {
    d.Type(IDC_MORSE_TEXT, "abc");
    EXPECT_EQ(d.Text(IDC_MORSE_TEXT).str(), "ABC");
    d.Type(IDC_MORSE_TEXT, std::string(51, 'x'));
    EXPECT_EQ(d.Text(IDC_MORSE_TEXT).str(), std::string(50, 'X'));
    d.Enter();
  });
  EXPECT_EQ(settings.morseText, std::string(50, 'X'));
}

// The stored text changes on OK only, whatever else the dialog did; letters a to z become
// upper case and every other byte stays.
struct UpperRow {
  const char* name;
  const char* stored;
  bool ok;
  const char* after;
  friend void PrintTo(const UpperRow& row, std::ostream* os) { *os << row.name; }
};

class MorseUpperCaseTest : public DialogTest, public ::testing::WithParamInterface<UpperRow> {};

TEST_P(MorseUpperCaseTest, StoredTextAfterClosing) {
  const UpperRow& row = GetParam();
  settings.morseText = row.stored;
  Run(IDD_MORSE, [&](DialogDriver& d) {
    d.Type(IDC_MORSE_GAIN, "-9");
    row.ok ? d.Enter() : d.Esc();
  });
  EXPECT_EQ(settings.morseText, row.after);
  EXPECT_EQ(settings.morseGain, row.ok ? -9 : -5);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, MorseUpperCaseTest, ::testing::Values(
    UpperRow{"OkConvertsLetters", "cq de vk2abc", true, "CQ DE VK2ABC"},
    UpperRow{"OkLeavesOtherCharacters", "a1-b/?z ", true, "A1-B/?Z "},
    UpperRow{"OkLeavesLatinOneLetters", "\xe9t\xe9", true, "\xe9T\xe9"},
    UpperRow{"CancelKeepsLowerCase", "cq de vk2abc", false, "cq de vk2abc"}),
    tqr417::test_support::RowName{});
// clang-format on

}  // namespace
}  // namespace tqr417::dialogs::dialog_tests
