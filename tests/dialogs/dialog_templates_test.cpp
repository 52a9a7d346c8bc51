// The setting dialogs' templates against their layout tables, written out here by hand:
// caption, size, every control in template order with its kind, caption, position and the
// styles that change behaviour; and the accessible name every control gets.

#include <memory>

#include "dialog_test_support.h"
#include "dialogs/dig4_cor_dlg.h"
#include "dialogs/dig5_tone_dlg.h"
#include "dialogs/gain_dlg.h"
#include "dialogs/morse_dlg.h"
#include "dialogs/port_dlg.h"
#include "dialogs/tx_audio_dlg.h"
#include "dialogs/vox_dlg.h"
#include "framework/dialog_template.h"
#include "support/row_name.h"

namespace tqr417::dialogs::dialog_tests {
namespace {

namespace s = fw::style;
using K = fw::ControlKind;
constexpr K kOk = K::kDefPushButton, kBtn = K::kPushButton, kEdit = K::kEdit, kBox = K::kCheckBox,
            kRadio = K::kRadioButton, kText = K::kStaticText, kFrame = K::kGroupBox;
constexpr int kNone = fw::kStatic;
constexpr unsigned G = s::kGroup, L = s::kLeftText, R = s::kRight, C = s::kCentre,
                   U = s::kUpperCase;

struct Control {
  int id;
  K kind;
  const char* caption;
  int x, y, width, height;
  unsigned flags = 0;  // among G, L, R, C, U
};

struct Layout {
  const char* name;
  int templateId;
  const char* caption;
  int width, height;
  std::vector<Control> controls;
  friend void PrintTo(const Layout& row, std::ostream* os) { *os << row.name; }
};

class TemplateLayoutTest : public ::testing::TestWithParam<Layout> {};

TEST_P(TemplateLayoutTest, MatchesTable) {
  const Layout& want = GetParam();
  const fw::DialogTemplate* got = fw::FindTemplate(want.templateId);
  ASSERT_NE(got, nullptr);
  EXPECT_EQ(got->caption, want.caption);
  EXPECT_EQ(got->width, want.width);
  EXPECT_EQ(got->height, want.height);
  EXPECT_EQ(got->fontName, "MS Sans Serif");
  EXPECT_EQ(got->fontPoints, 8);
  ASSERT_EQ(got->controls.size(), want.controls.size());
  for (size_t i = 0; i < want.controls.size(); ++i) {
    const Control& w = want.controls[i];
    const fw::ControlTemplate& g = got->controls[i];
    SCOPED_TRACE(::testing::Message() << "control " << i << " \"" << w.caption << "\"");
    EXPECT_EQ(g.id, w.id);
    EXPECT_EQ(g.kind, w.kind);
    EXPECT_EQ(g.caption, w.caption);
    EXPECT_EQ((std::vector{g.x, g.y, g.width, g.height}),
              (std::vector{w.x, w.y, w.width, w.height}));
    EXPECT_EQ(g.flags & (G | L | R | C | U | s::kHidden | s::kDisabled), w.flags);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SettingDialogs, TemplateLayoutTest, ::testing::Values(
    Layout{"Port", IDD_PORT, "Serial Commincations Port Select", 146, 55, {
        {IDOK, kOk, "OK", 76, 20, 50, 14, G}, {1089, kRadio, "Com 1", 15, 14, 36, 10, G},
        {1090, kRadio, "Com 2", 15, 31, 36, 10}}},
    Layout{"Gain", IDD_GAIN, "TQR-417 Gain Settings", 217, 98, {
        {IDOK, kOk, "OK", 160, 7, 50, 14, G}, {IDCANCEL, kBtn, "Cancel", 160, 24, 50, 14},
        {1090, kEdit, "", 95, 15, 43, 13}, {kNone, kText, "Handset Sidetone Gain", 13, 18, 74, 8, R},
        {1091, kEdit, "", 95, 32, 43, 13}, {kNone, kText, "Radio TX Gain", 13, 35, 74, 8, R},
        {1092, kEdit, "", 95, 49, 43, 13}, {kNone, kText, "Line TX Gain", 13, 52, 74, 8, R},
        {1093, kEdit, "", 95, 66, 43, 13}, {kNone, kText, "CTCSS Gain", 13, 69, 74, 8, R}}},
    Layout{"Morse", IDD_MORSE, "Morse Code Encoder Setup", 181, 161, {
        {IDOK, kOk, "OK", 124, 7, 50, 14, G}, {IDCANCEL, kBtn, "Cancel", 124, 24, 50, 14},
        {kNone, kFrame, "Auto Transmit Options", 17, 13, 88, 57},
        {1091, kRadio, "End of Each PTT", 22, 24, 71, 10, G}, {1092, kRadio, "Timer Interval", 22, 37, 59, 10},
        {1093, kEdit, "", 55, 50, 23, 14}, {kNone, kText, "min", 83, 50, 12, 8, G},
        {kNone, kText, "Morse Code Frequency:", 17, 78, 76, 8}, {1094, kEdit, "", 97, 75, 31, 14},
        {kNone, kText, "Hz", 131, 79, 10, 8}, {kNone, kText, "Morse Code Gain:", 18, 100, 58, 8},
        {1096, kEdit, "", 98, 97, 31, 14}, {kNone, kText, "dBm", 132, 101, 15, 8},
        {kNone, kText, "Morse Code String:", 18, 116, 61, 8}, {1095, kEdit, "", 18, 126, 131, 14, U}}},
    Layout{"TxAudio", IDD_TX_AUDIO, "TX Audio Parameters", 181, 78, {
        {IDOK, kOk, "OK", 124, 7, 50, 14, G}, {IDCANCEL, kBtn, "Cancel", 124, 24, 50, 14},
        {1096, kBox, "AGC:", 19, 14, 92, 10, L}, {1097, kBox, "Add CTCSS to TX:", 19, 27, 92, 10, L},
        {1098, kBox, "Pre-Emphasize Audio:", 19, 40, 92, 10, L},
        {1099, kBox, "3.5kHz Low Pass Filter:", 19, 53, 92, 10, L}}},
    Layout{"Vox", IDD_VOX, "Dialog", 203, 103, {
        {IDOK, kOk, "OK", 146, 7, 50, 14, G}, {IDCANCEL, kBtn, "Cancel", 146, 24, 50, 14},
        {kNone, kText, "VOX Trigger Level:", 15, 15, 61, 8}, {1097, kEdit, "", 78, 13, 40, 14},
        {kNone, kText, "dBm", 122, 15, 15, 9}, {kNone, kText, "VOX Timeout:", 15, 34, 45, 8},
        {1098, kEdit, "", 78, 32, 40, 14}, {kNone, kText, "sec", 122, 34, 15, 9},
        {kNone, kText, "Call Timeout:", 15, 53, 42, 8}, {1099, kEdit, "", 78, 50, 40, 14},
        {kNone, kText, "min", 122, 53, 15, 9}, {1100, kBox, "Always Send Hold Tone:", 21, 69, 97, 10, L},
        {1102, kBox, "Phone Interface Installed:", 21, 81, 97, 10, L}}},
    Layout{"Dig5", IDD_DIG5_TONE, "Dig5 Input Tone Setup", 229, 110, {
        {IDOK, kOk, "OK", 29, 89, 50, 14, G}, {IDCANCEL, kBtn, "Cancel", 131, 89, 50, 14},
        {1103, kBox, "Enable Tone on Dig5 Input", 18, 15, 101, 10}, {1104, kBox, "Active High", 18, 30, 53, 10},
        {1099, kEdit, "", 108, 43, 25, 12}, {kNone, kText, "Hz", 136, 47, 10, 8, C},
        {1098, kEdit, "", 151, 43, 25, 12}, {kNone, kText, "dBm", 178, 47, 15, 8, C},
        {kNone, kText, "Tone Frequency and Level:", 18, 45, 88, 8},
        {kNone, kText, "Tone On Time:", 18, 58, 48, 8, R}, {1100, kEdit, "", 108, 57, 25, 12},
        {kNone, kText, "ms", 136, 60, 10, 8}, {kNone, kText, "Tone Off Time:", 18, 71, 48, 8, R},
        {1101, kEdit, "", 108, 71, 25, 12}, {kNone, kText, "ms", 136, 73, 10, 8},
        {1105, kBox, "R1", 73, 30, 25, 10}, {1106, kBox, "R2", 101, 30, 25, 10}}},
    Layout{"Dig4", IDD_DIG4_COR, "Dig4 Input COR Setup", 228, 87, {
        {IDOK, kOk, "OK", 171, 7, 50, 14, G}, {IDCANCEL, kBtn, "Cancel", 171, 24, 50, 14},
        {1115, kBox, "RX Mute on Input", 19, 43, 72, 10}, {1116, kBox, "Active High", 19, 30, 53, 10},
        {1117, kBox, "Revert to F1 on Timer", 19, 56, 85, 10}, {1119, kEdit, "", 105, 53, 24, 14},
        {kNone, kText, "sec", 133, 56, 12, 8}, {1118, kBox, "Enable Dig4 as COR Input", 19, 17, 99, 10},
        {1120, kBox, "R1", 77, 30, 25, 10}, {1121, kBox, "R2", 105, 30, 25, 10}}}),
    tqr417::test_support::RowName{});
// clang-format on

// Every control of a built dialog has an accessible name; edits without a label of their own
// have a name given by their dialog.
std::unique_ptr<CDialog> MakeDialog(int templateId) {
  switch (templateId) {
    case IDD_PORT:
      return std::make_unique<CPortDlg>();
    case IDD_GAIN:
      return std::make_unique<CGainDlg>();
    case IDD_MORSE:
      return std::make_unique<CMorseDlg>();
    case IDD_TX_AUDIO:
      return std::make_unique<CTxAudioDlg>();
    case IDD_VOX:
      return std::make_unique<CVoxDlg>();
    case IDD_DIG5_TONE:
      return std::make_unique<CDig5ToneDlg>();
    default:
      return std::make_unique<CDig4CorDlg>();
  }
}

struct NameRow {
  const char* name;
  int templateId;
  std::vector<std::pair<int, const char*>> edits;
  friend void PrintTo(const NameRow& row, std::ostream* os) { *os << row.name; }
};

class AccessibleNameTest : public DialogTest, public ::testing::WithParamInterface<NameRow> {};

TEST_P(AccessibleNameTest, EveryControlNamedEditsByTheirLabel) {
  std::unique_ptr<CDialog> dialog = MakeDialog(GetParam().templateId);
  ASSERT_TRUE(dialog->Create());
  for (const fw::ControlTemplate& control : dialog->Template()->controls) {
    if (control.id == kNone) continue;
    EXPECT_FALSE(dialog->GetDlgItem(control.id)->GetAccessibleName().IsEmpty()) << control.id;
  }
  for (const auto& [id, name] : GetParam().edits) {
    EXPECT_EQ(dialog->GetDlgItem(id)->GetAccessibleName().str(), name);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SettingDialogs, AccessibleNameTest, ::testing::Values(
    NameRow{"Port", IDD_PORT, {}},
    NameRow{"Gain", IDD_GAIN, {{IDC_GAIN_CTCSS, "CTCSS Gain"}, {IDC_GAIN_SIDETONE, "Handset Sidetone Gain"}}},
    NameRow{"Morse", IDD_MORSE, {{IDC_MORSE_INTERVAL, "Timer Interval (min)"},
                                 {IDC_MORSE_FREQ, "Morse Code Frequency:"}, {IDC_MORSE_TEXT, "Morse Code String:"}}},
    NameRow{"TxAudio", IDD_TX_AUDIO, {}},
    NameRow{"Vox", IDD_VOX, {{IDC_VOX_TIMEOUT, "VOX Timeout:"}}},
    NameRow{"Dig5", IDD_DIG5_TONE, {{IDC_DIG5_FREQ, "Tone Frequency"}, {IDC_DIG5_LEVEL, "Tone Level"},
                                    {IDC_DIG5_OFF_MS, "Tone Off Time:"}}},
    NameRow{"Dig4", IDD_DIG4_COR, {{IDC_DIG4_REVERT_SEC, "Revert Time (sec)"}}}),
    tqr417::test_support::RowName{});
// clang-format on

}  // namespace
}  // namespace tqr417::dialogs::dialog_tests
