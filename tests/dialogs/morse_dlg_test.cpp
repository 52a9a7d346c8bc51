// The Morse code dialog: the interval enabling rule at opening, on each radio click and after
// a read that fails, the upper-case text and its 50-character limit, and MakeUpper on OK only.

#include "dialog_test_support.h"

namespace tqr417::dialogs::dialog_tests {
namespace {

class MorseDlgTest : public DialogTest {};

struct OpeningRow {
  const char* name;
  friend void PrintTo(const OpeningRow& row, std::ostream* os) { *os << row.name; }
  int storedMode;
  bool endOfPttChecked;
  bool timerChecked;
  bool intervalEnabled;
};

class MorseOpeningTest : public DialogTest, public ::testing::WithParamInterface<OpeningRow> {};

TEST_P(MorseOpeningTest, IntervalFollowsStoredOption) {
  const OpeningRow& row = GetParam();
  settings.morseAutoMode = row.storedMode;
  Run(IDD_MORSE, [&](DialogDriver& d) {
    EXPECT_EQ(IsChecked(d, IDC_MORSE_END_OF_PTT), row.endOfPttChecked);
    EXPECT_EQ(IsChecked(d, IDC_MORSE_TIMER), row.timerChecked);
    EXPECT_EQ(IsEnabled(d, IDC_MORSE_INTERVAL), row.intervalEnabled);
    d.Esc();
  });
}

INSTANTIATE_TEST_SUITE_P(Options, MorseOpeningTest,
                         ::testing::Values(OpeningRow{"TimerInterval", 1, false, true, true},
                                           OpeningRow{"EndOfEachPtt", 0, true, false, false},
                                           OpeningRow{"NeitherButton", 7, false, false, true},
                                           OpeningRow{"NoneSelected", -1, false, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MorseDlgTest, RadioClicksSwitchIntervalAndKeepItsValue) {
  Run(IDD_MORSE, [&](DialogDriver& d) {
    d.Click(IDC_MORSE_END_OF_PTT);
    EXPECT_FALSE(IsEnabled(d, IDC_MORSE_INTERVAL));
    EXPECT_EQ(d.Text(IDC_MORSE_INTERVAL), "11");
    d.Click(IDC_MORSE_TIMER);
    EXPECT_TRUE(IsEnabled(d, IDC_MORSE_INTERVAL));
    EXPECT_EQ(d.Text(IDC_MORSE_INTERVAL), "11");
    d.Click(IDC_MORSE_END_OF_PTT);
    d.Enter();
  });
  EXPECT_EQ(MessageCount(), 0u);
  EXPECT_EQ(settings.morseAutoMode, 0);
  EXPECT_EQ(settings.morseIntervalMin, 11);
}

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
  const DialogSettings before = settings;
  Run(IDD_MORSE, [&](DialogDriver& d) {
    ASSERT_FALSE(IsEnabled(d, IDC_MORSE_INTERVAL));
    d.Enter();
    EXPECT_FALSE(d.Ended());
    ASSERT_EQ(MessageCount(), 1u);
    ExpectNames(LastMessage(), {"0", "200"});
    d.Esc();
  });
  EXPECT_EQ(settings, before);
}

TEST_F(MorseDlgTest, OkWithoutSelectedOptionStoresMinusOne) {
  settings.morseAutoMode = 5;
  Run(IDD_MORSE, [](DialogDriver& d) { d.Enter(); });
  EXPECT_EQ(settings.morseAutoMode, -1);
}

TEST_F(MorseDlgTest, TypedTextTurnsUpperCaseAndStopsAtFiftyCharacters) {
  Run(IDD_MORSE, [&](DialogDriver& d) {
    d.Type(IDC_MORSE_TEXT, "abc");
    EXPECT_EQ(d.Text(IDC_MORSE_TEXT), "ABC");
    d.Type(IDC_MORSE_TEXT, std::string(51, 'x'));
    EXPECT_EQ(d.Text(IDC_MORSE_TEXT), std::string(50, 'X'));
    d.Enter();
  });
  EXPECT_EQ(MessageCount(), 0u);
  EXPECT_EQ(settings.morseText, std::string(50, 'X'));
}

TEST_F(MorseDlgTest, UnsignedFieldsKeepTheStoredBits) {
  settings.morseFreq = -1;
  const DialogSettings before = settings;
  Run(IDD_MORSE, [](DialogDriver& d) {
    EXPECT_EQ(d.Text(IDC_MORSE_FREQ), "4294967295");
    d.Esc();
  });
  EXPECT_EQ(settings, before);
}

// The stored text is changed by OK only, whatever else the dialog did; MakeUpper touches the
// letters a to z and nothing else.
struct UpperRow {
  const char* name;
  friend void PrintTo(const UpperRow& row, std::ostream* os) { *os << row.name; }
  const char* stored;
  bool ok;
  const char* after;
};

class MorseUpperCaseTest : public DialogTest, public ::testing::WithParamInterface<UpperRow> {};

TEST_P(MorseUpperCaseTest, StoredTextAfterClosing) {
  const UpperRow& row = GetParam();
  settings.morseText = row.stored;
  Run(IDD_MORSE, [&](DialogDriver& d) {
    d.Type(IDC_MORSE_GAIN, "-9");
    if (row.ok) {
      d.Enter();
    } else {
      d.Esc();
    }
  });
  EXPECT_EQ(settings.morseText, row.after);
  EXPECT_EQ(settings.morseGain, row.ok ? -9 : -5);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MorseUpperCaseTest,
    ::testing::Values(UpperRow{"OkConvertsLetters", "cq de vk2abc", true, "CQ DE VK2ABC"},
                      UpperRow{"OkLeavesOtherCharacters", "a1-b/?z ", true, "A1-B/?Z "},
                      UpperRow{"OkLeavesLatinOneLetters", "\xe9t\xe9", true, "\xe9T\xe9"},
                      UpperRow{"CancelKeepsLowerCase", "cq de vk2abc", false, "cq de vk2abc"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tqr417::dialogs::dialog_tests
