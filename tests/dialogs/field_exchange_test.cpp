// Each field of each setting dialog: which control shows it, what OK stores from that control,
// how numbers are read and checked, in which order the checks report, and that a failed OK
// followed by a cancel changes nothing.

#include <optional>

#include "dialog_test_support.h"
#include "framework/dialog_template.h"
#include "support/row_name.h"

namespace tqr417::dialogs::dialog_tests {
namespace {

using D = DialogSettings;
const std::vector<std::string> kGainBounds{"-40", "10"};

// One control: what it shows for DistinctSettings(), one edit (typed text, or a click when
// there is none) and the value OK then stores in `field`; every other field must stay.
struct MappingRow {
  const char* name;
  int templateId, controlId;
  const char* shown;
  std::optional<const char*> typed;
  int D::*field;
  int stored;
  friend void PrintTo(const MappingRow& row, std::ostream* os) { *os << row.name; }
};

class FieldMappingTest : public DialogTest, public ::testing::WithParamInterface<MappingRow> {};

TEST_P(FieldMappingTest, ControlShowsItsFieldAndOkStoresIt) {
  const MappingRow& row = GetParam();
  ASSERT_NE(fw::FindTemplate(row.templateId)->FindControl(row.controlId), nullptr);
  DialogSettings expected = settings;
  expected.*row.field = row.stored;
  Run(row.templateId, [&](DialogDriver& d) {
    EXPECT_EQ(d.FocusedId(), IDOK) << "OK comes first and holds the focus";
    EXPECT_EQ(Shown(d, row.controlId), row.shown);
    row.typed ? d.Type(row.controlId, *row.typed) : d.Click(row.controlId);
    d.Enter();
  });
  EXPECT_EQ(MessageCount(), 0u) << LastMessage();
  EXPECT_EQ(settings, expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AllFields, FieldMappingTest, ::testing::Values(
    MappingRow{"GainSidetone", IDD_GAIN, IDC_GAIN_SIDETONE, "-1", "5", &D::sidetoneGain, 5},
    MappingRow{"GainRadioTx", IDD_GAIN, IDC_GAIN_RADIO_TX, "-2", "6", &D::radioTxGain, 6},
    MappingRow{"GainLineTx", IDD_GAIN, IDC_GAIN_LINE_TX, "-3", "7", &D::lineTxGain, 7},
    MappingRow{"GainCtcss", IDD_GAIN, IDC_GAIN_CTCSS, "-4", "8", &D::ctcssGain, 8},
    MappingRow{"MorseOption", IDD_MORSE, IDC_MORSE_END_OF_PTT, "[ ]", {}, &D::morseAutoMode, 0},
    MappingRow{"MorseFreq", IDD_MORSE, IDC_MORSE_FREQ, "1001", "1500", &D::morseFreq, 1500},
    MappingRow{"MorseInterval", IDD_MORSE, IDC_MORSE_INTERVAL, "11", "150", &D::morseIntervalMin, 150},
    MappingRow{"MorseGain", IDD_MORSE, IDC_MORSE_GAIN, "-5", "4", &D::morseGain, 4},
    MappingRow{"TxAgc", IDD_TX_AUDIO, IDC_TX_AGC, "[x]", {}, &D::txAgc, 0},
    MappingRow{"TxAddCtcss", IDD_TX_AUDIO, IDC_TX_ADD_CTCSS, "[ ]", {}, &D::txAddCtcss, 1},
    MappingRow{"TxPreEmphasis", IDD_TX_AUDIO, IDC_TX_PRE_EMPHASIS, "[x]", {}, &D::txPreEmphasis, 0},
    MappingRow{"TxLowPass", IDD_TX_AUDIO, IDC_TX_LOW_PASS, "[ ]", {}, &D::txLowPass, 1},
    MappingRow{"VoxLevel", IDD_VOX, IDC_VOX_LEVEL, "-6", "-20", &D::voxLevel, -20},
    MappingRow{"VoxTimeout", IDD_VOX, IDC_VOX_TIMEOUT, "61", "600", &D::voxTimeoutSec, 600},
    MappingRow{"VoxCallTimeout", IDD_VOX, IDC_VOX_CALL_TIMEOUT, "12", "180", &D::callTimeoutMin, 180},
    MappingRow{"VoxHoldTone", IDD_VOX, IDC_VOX_HOLD_TONE, "[x]", {}, &D::holdToneAlways, 0},
    MappingRow{"VoxPhone", IDD_VOX, IDC_VOX_PHONE, "[ ]", {}, &D::phoneInstalled, 1},
    MappingRow{"Dig5Enable", IDD_DIG5_TONE, IDC_DIG5_ENABLE, "[x]", {}, &D::dig5Enable, 0},
    MappingRow{"Dig5ActiveHigh", IDD_DIG5_TONE, IDC_DIG5_ACTIVE_HIGH, "[ ]", {}, &D::dig5ActiveHigh, 1},
    MappingRow{"Dig5R1", IDD_DIG5_TONE, IDC_DIG5_R1, "[x]", {}, &D::dig5R1, 0},
    MappingRow{"Dig5R2", IDD_DIG5_TONE, IDC_DIG5_R2, "[ ]", {}, &D::dig5R2, 1},
    MappingRow{"Dig5Freq", IDD_DIG5_TONE, IDC_DIG5_FREQ, "1201", "3000", &D::dig5ToneFreq, 3000},
    MappingRow{"Dig5Level", IDD_DIG5_TONE, IDC_DIG5_LEVEL, "-7", "10", &D::dig5ToneLevel, 10},
    MappingRow{"Dig5OnTime", IDD_DIG5_TONE, IDC_DIG5_ON_MS, "501", "65000", &D::dig5OnMs, 65000},
    MappingRow{"Dig5OffTime", IDD_DIG5_TONE, IDC_DIG5_OFF_MS, "502", "0", &D::dig5OffMs, 0},
    MappingRow{"Dig4Enable", IDD_DIG4_COR, IDC_DIG4_ENABLE, "[x]", {}, &D::dig4Enable, 0},
    MappingRow{"Dig4ActiveHigh", IDD_DIG4_COR, IDC_DIG4_ACTIVE_HIGH, "[ ]", {}, &D::dig4ActiveHigh, 1},
    MappingRow{"Dig4RxMute", IDD_DIG4_COR, IDC_DIG4_RX_MUTE, "[x]", {}, &D::dig4RxMute, 0},
    MappingRow{"Dig4Revert", IDD_DIG4_COR, IDC_DIG4_REVERT, "[x]", {}, &D::dig4RevertF1, 0},
    MappingRow{"Dig4RevertTime", IDD_DIG4_COR, IDC_DIG4_REVERT_SEC, "301", "30000", &D::dig4RevertSec, 30000},
    MappingRow{"Dig4R1", IDD_DIG4_COR, IDC_DIG4_R1, "[ ]", {}, &D::dig4R1, 1},
    MappingRow{"Dig4R2", IDD_DIG4_COR, IDC_DIG4_R2, "[x]", {}, &D::dig4R2, 0}),
    tqr417::test_support::RowName{});
// clang-format on

// One typed entry: accepted (OK stores `value`) or refused (one message naming `mentions`,
// the focus back in the field, and Cancel keeps the configuration).
struct EntryRow {
  const char* name;
  int templateId, controlId;
  const char* typed;
  int D::*field;
  std::optional<int> value;  // nullopt: refused
  std::vector<std::string> mentions;
  friend void PrintTo(const EntryRow& row, std::ostream* os) { *os << row.name; }
};

class NumberEntryTest : public DialogTest, public ::testing::WithParamInterface<EntryRow> {};

TEST_P(NumberEntryTest, AcceptedOrRefusedOnOk) {
  const EntryRow& row = GetParam();
  const DialogSettings before = settings;
  Run(row.templateId, [&](DialogDriver& d) {
    d.Type(row.controlId, row.typed);
    d.Enter();
    if (row.value) return;
    ASSERT_EQ(MessageCount(), 1u);
    EXPECT_EQ(runner.Messages().front().icon, MB_ICONEXCLAMATION);
    ExpectNames(LastMessage(), row.mentions);
    EXPECT_EQ(d.FocusedId(), row.controlId);
    d.Esc();
  });
  if (row.value) {
    EXPECT_EQ(MessageCount(), 0u) << LastMessage();
    EXPECT_EQ(settings.*row.field, *row.value);
  } else {
    EXPECT_EQ(settings, before);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Parsing, NumberEntryTest, ::testing::Values(
    EntryRow{"BlanksAround", IDD_GAIN, IDC_GAIN_CTCSS, "  -5  ", &D::ctcssGain, -5, {}},
    EntryRow{"TrailingLetters", IDD_GAIN, IDC_GAIN_CTCSS, "-5dB", &D::ctcssGain, {}, {"integer"}},
    EntryRow{"Fraction", IDD_GAIN, IDC_GAIN_CTCSS, "5.0", &D::ctcssGain, {}, {"integer"}},
    EntryRow{"Empty", IDD_GAIN, IDC_GAIN_CTCSS, "", &D::ctcssGain, {}, {"integer"}},
    EntryRow{"UnsignedBlanks", IDD_MORSE, IDC_MORSE_FREQ, " 400 ", &D::morseFreq, 400, {}},
    EntryRow{"UnsignedMinus", IDD_MORSE, IDC_MORSE_FREQ, "-400", &D::morseFreq, {}, {"positive"}},
    EntryRow{"UnsignedMinusZero", IDD_MORSE, IDC_MORSE_INTERVAL, "-0", &D::morseIntervalMin, {}, {"positive"}}),
    tqr417::test_support::RowName{});

INSTANTIATE_TEST_SUITE_P(Bounds, NumberEntryTest, ::testing::Values(
    EntryRow{"GainLowest", IDD_GAIN, IDC_GAIN_CTCSS, "-40", &D::ctcssGain, -40, {}},
    EntryRow{"GainBelow", IDD_GAIN, IDC_GAIN_LINE_TX, "-41", &D::lineTxGain, {}, kGainBounds},
    EntryRow{"GainAbove", IDD_GAIN, IDC_GAIN_RADIO_TX, "11", &D::radioTxGain, {}, kGainBounds},
    EntryRow{"GainHighest", IDD_GAIN, IDC_GAIN_SIDETONE, "10", &D::sidetoneGain, 10, {}},
    EntryRow{"MorseFreqBelow", IDD_MORSE, IDC_MORSE_FREQ, "399", &D::morseFreq, {}, {"400", "2000"}},
    EntryRow{"MorseIntervalLowest", IDD_MORSE, IDC_MORSE_INTERVAL, "0", &D::morseIntervalMin, 0, {}},
    EntryRow{"MorseIntervalHighest", IDD_MORSE, IDC_MORSE_INTERVAL, "200", &D::morseIntervalMin, 200, {}},
    EntryRow{"MorseGainLowest", IDD_MORSE, IDC_MORSE_GAIN, "-40", &D::morseGain, -40, {}},
    EntryRow{"MorseFreqHighest", IDD_MORSE, IDC_MORSE_FREQ, "2000", &D::morseFreq, 2000, {}},
    EntryRow{"MorseFreqAbove", IDD_MORSE, IDC_MORSE_FREQ, "2001", &D::morseFreq, {}, {"400", "2000"}},
    EntryRow{"MorseIntervalAbove", IDD_MORSE, IDC_MORSE_INTERVAL, "201", &D::morseIntervalMin, {}, {"0", "200"}},
    EntryRow{"MorseGainHighest", IDD_MORSE, IDC_MORSE_GAIN, "5", &D::morseGain, 5, {}},
    EntryRow{"MorseGainAbove", IDD_MORSE, IDC_MORSE_GAIN, "6", &D::morseGain, {}, {"-40", "5"}},
    EntryRow{"CallTimeoutAbove", IDD_VOX, IDC_VOX_CALL_TIMEOUT, "181", &D::callTimeoutMin, {}, {"0", "180"}},
    EntryRow{"VoxTimeoutHighest", IDD_VOX, IDC_VOX_TIMEOUT, "600", &D::voxTimeoutSec, 600, {}},
    EntryRow{"VoxTimeoutAbove", IDD_VOX, IDC_VOX_TIMEOUT, "601", &D::voxTimeoutSec, {}, {"0", "600"}},
    EntryRow{"Dig5FreqBelow", IDD_DIG5_TONE, IDC_DIG5_FREQ, "299", &D::dig5ToneFreq, {}, {"300", "3000"}},
    EntryRow{"Dig5FreqLowest", IDD_DIG5_TONE, IDC_DIG5_FREQ, "300", &D::dig5ToneFreq, 300, {}},
    EntryRow{"Dig5OffTimeHighest", IDD_DIG5_TONE, IDC_DIG5_OFF_MS, "65000", &D::dig5OffMs, 65000, {}},
    EntryRow{"Dig5OffTimeAbove", IDD_DIG5_TONE, IDC_DIG5_OFF_MS, "65001", &D::dig5OffMs, {}, {"0", "65000"}},
    EntryRow{"Dig5FreqAbove", IDD_DIG5_TONE, IDC_DIG5_FREQ, "3001", &D::dig5ToneFreq, {}, {"300", "3000"}},
    EntryRow{"Dig5LevelAbove", IDD_DIG5_TONE, IDC_DIG5_LEVEL, "11", &D::dig5ToneLevel, {}, kGainBounds},
    EntryRow{"Dig5OnTimeAbove", IDD_DIG5_TONE, IDC_DIG5_ON_MS, "65001", &D::dig5OnMs, {}, {"0", "65000"}},
    EntryRow{"Dig4RevertTimeAbove", IDD_DIG4_COR, IDC_DIG4_REVERT_SEC, "30001", &D::dig4RevertSec, {}, {"0", "30000"}}),
    tqr417::test_support::RowName{});
// clang-format on

// Several stored values out of range: OK reports them one at a time in exchange order, each
// naming its bounds with the focus in its field; a dialog that reads itself when it opens
// also reports while opening.
struct ReportStep {
  int controlId;
  std::vector<std::string> mentions;
  const char* fix;
};

struct OrderRow {
  const char* name;
  int templateId;
  void (*spoil)(D&);
  size_t messagesAtOpening;
  std::vector<ReportStep> steps;
  friend void PrintTo(const OrderRow& row, std::ostream* os) { *os << row.name; }
};

class RangeReportOrderTest : public DialogTest, public ::testing::WithParamInterface<OrderRow> {};

TEST_P(RangeReportOrderTest, ReportsInExchangeOrderUntilAllCorrected) {
  const OrderRow& row = GetParam();
  row.spoil(settings);
  Run(row.templateId, [&](DialogDriver& d) {
    size_t expected = row.messagesAtOpening;
    ASSERT_EQ(MessageCount(), expected);
    if (expected > 0) ExpectNames(LastMessage(), row.steps.front().mentions);
    EXPECT_EQ(d.FocusedId(), IDOK);
    for (const ReportStep& step : row.steps) {
      d.Enter();
      ASSERT_EQ(MessageCount(), ++expected);
      ExpectNames(LastMessage(), step.mentions);
      EXPECT_EQ(d.FocusedId(), step.controlId);
      d.Type(step.controlId, step.fix);
    }
    d.Enter();
    EXPECT_EQ(d.EndCode(), IDOK);
  });
  EXPECT_EQ(MessageCount(), row.messagesAtOpening + row.steps.size());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Dialogs, RangeReportOrderTest, ::testing::Values(
    OrderRow{"GainsBottomUp", IDD_GAIN,
             [](D& s) { s.sidetoneGain = s.radioTxGain = s.lineTxGain = s.ctcssGain = 50; }, 0,
             {{IDC_GAIN_CTCSS, kGainBounds, "1"}, {IDC_GAIN_LINE_TX, kGainBounds, "2"},
              {IDC_GAIN_RADIO_TX, kGainBounds, "3"}, {IDC_GAIN_SIDETONE, kGainBounds, "4"}}},
    OrderRow{"Morse", IDD_MORSE,
             [](D& s) { s.morseFreq = 50; s.morseText = std::string(51, 'E');
                        s.morseIntervalMin = 500; s.morseGain = 9; }, 0,
             {{IDC_MORSE_FREQ, {"400", "2000"}, "800"}, {IDC_MORSE_TEXT, {"50"}, "VK2"},
              {IDC_MORSE_INTERVAL, {"0", "200"}, "30"}, {IDC_MORSE_GAIN, {"-40", "5"}, "-10"}}},
    OrderRow{"Vox", IDD_VOX,
             [](D& s) { s.callTimeoutMin = 600; s.voxLevel = 20; s.voxTimeoutSec = 700; }, 0,
             {{IDC_VOX_CALL_TIMEOUT, {"0", "180"}, "30"}, {IDC_VOX_LEVEL, kGainBounds, "-20"},
              {IDC_VOX_TIMEOUT, {"0", "600"}, "60"}}},
    OrderRow{"Dig5ReportsOnceWhileOpening", IDD_DIG5_TONE,
             [](D& s) { s.dig5ToneFreq = 0; s.dig5ToneLevel = 50; s.dig5OffMs = s.dig5OnMs = 70000; }, 1,
             {{IDC_DIG5_FREQ, {"300", "3000"}, "1000"}, {IDC_DIG5_LEVEL, kGainBounds, "-10"},
              {IDC_DIG5_OFF_MS, {"0", "65000"}, "100"}, {IDC_DIG5_ON_MS, {"0", "65000"}, "200"}}},
    OrderRow{"Dig4ReportsTwiceWhileOpening", IDD_DIG4_COR,
             [](D& s) { s.dig4RevertSec = 40000; }, 2,
             {{IDC_DIG4_REVERT_SEC, {"0", "30000"}, "30"}}}),
    tqr417::test_support::RowName{});
// clang-format on

// Valid edits early in the exchange and a bad one later: OK fails after the members read
// before it took the new values; every way of cancelling then leaves the configuration alone.
enum class CancelBy { kEsc, kCloseBox, kCancelButton };

struct CancelRow {
  const char* name;
  int templateId;
  std::vector<std::pair<int, const char*>> edits;  // a null text clicks the control
  bool okFails;
  CancelBy cancel;
  void (*spoil)(D&) = nullptr;  // a stored value out of range, shown as `shown` in `shownId`
  int shownId = 0;
  const char* shown = nullptr;
  friend void PrintTo(const CancelRow& row, std::ostream* os) { *os << row.name; }
};

class FailedOkThenCancelTest : public DialogTest,
                               public ::testing::WithParamInterface<CancelRow> {};

TEST_P(FailedOkThenCancelTest, ConfigurationUnchanged) {
  const CancelRow& row = GetParam();
  if (row.spoil) row.spoil(settings);
  const DialogSettings before = settings;
  Run(row.templateId, [&](DialogDriver& d) {
    if (row.shown) {
      EXPECT_EQ(Shown(d, row.shownId), row.shown);
    }
    for (const auto& [id, text] : row.edits) text == nullptr ? d.Click(id) : d.Type(id, text);
    if (row.okFails) {
      d.Enter();
      ASSERT_FALSE(d.Ended());
      EXPECT_EQ(MessageCount(), 1u);
    }
    switch (row.cancel) {
      case CancelBy::kEsc:
        d.Esc();
        break;
      case CancelBy::kCloseBox:
        d.CloseBox();
        break;
      case CancelBy::kCancelButton:
        d.Click(IDCANCEL);
        break;
    }
    EXPECT_EQ(d.EndCode(), IDCANCEL);
  });
  EXPECT_EQ(settings, before);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Dialogs, FailedOkThenCancelTest, ::testing::Values(
    CancelRow{"Gain", IDD_GAIN,
              {{IDC_GAIN_CTCSS, "1"}, {IDC_GAIN_LINE_TX, "2"}, {IDC_GAIN_SIDETONE, "99"}}, true, CancelBy::kEsc},
    CancelRow{"Morse", IDD_MORSE,
              {{IDC_MORSE_END_OF_PTT, nullptr}, {IDC_MORSE_TEXT, "vk2"}, {IDC_MORSE_GAIN, "77"}}, true,
              CancelBy::kCancelButton},
    CancelRow{"TxAudioAfterEveryBox", IDD_TX_AUDIO,
              {{IDC_TX_AGC, nullptr}, {IDC_TX_ADD_CTCSS, nullptr}, {IDC_TX_PRE_EMPHASIS, nullptr},
               {IDC_TX_LOW_PASS, nullptr}}, false, CancelBy::kCancelButton},
    CancelRow{"Vox", IDD_VOX,
              {{IDC_VOX_HOLD_TONE, nullptr}, {IDC_VOX_CALL_TIMEOUT, "5"}, {IDC_VOX_LEVEL, "x"}}, true,
              CancelBy::kCloseBox},
    CancelRow{"Dig5", IDD_DIG5_TONE,
              {{IDC_DIG5_ACTIVE_HIGH, nullptr}, {IDC_DIG5_FREQ, "400"}, {IDC_DIG5_ON_MS, "-1"}}, true,
              CancelBy::kCancelButton},
    CancelRow{"Dig4", IDD_DIG4_COR,
              {{IDC_DIG4_REVERT, nullptr}, {IDC_DIG4_ENABLE, nullptr}, {IDC_DIG4_RX_MUTE, nullptr}}, false,
              CancelBy::kCloseBox},
    CancelRow{"Dig4AfterBadTime", IDD_DIG4_COR,
              {{IDC_DIG4_RX_MUTE, nullptr}, {IDC_DIG4_REVERT_SEC, "40000"}}, true, CancelBy::kEsc},
    CancelRow{"GainStoredOutOfRange", IDD_GAIN, {}, true, CancelBy::kCancelButton,
              [](D& s) { s.radioTxGain = 50; }, IDC_GAIN_RADIO_TX, "50"},
    CancelRow{"VoxStoredOutOfRange", IDD_VOX, {}, false, CancelBy::kEsc,
              [](D& s) { s.callTimeoutMin = 600; }, IDC_VOX_CALL_TIMEOUT, "600"}),
    tqr417::test_support::RowName{});
// clang-format on

}  // namespace
}  // namespace tqr417::dialogs::dialog_tests
