// The setting dialogs' templates against their layout tables, written out here by hand: caption,
// size, every control in template order with its kind, caption, position and the styles that
// change behaviour; and the accessible name every control gets once the dialog is built.

#include <QWidget>
#include <memory>

#include "dialog_test_support.h"
#include "dialogs/dig4_cor_dlg.h"
#include "dialogs/dig5_tone_dlg.h"
#include "dialogs/gain_dlg.h"
#include "dialogs/morse_dlg.h"
#include "dialogs/port_dlg.h"
#include "dialogs/tx_audio_dlg.h"
#include "dialogs/vox_dlg.h"
#include "resources/dialog_template.h"

namespace tqr417::dialogs::dialog_tests {
namespace {

using res::ControlKind;
namespace s = res::style;
constexpr ControlKind kOk = ControlKind::kDefPushButton, kBtn = ControlKind::kPushButton,
                      kEdit = ControlKind::kEdit, kCheck = ControlKind::kCheckBox,
                      kRadio = ControlKind::kRadioButton, kText = ControlKind::kStaticText,
                      kFrame = ControlKind::kGroupBox;
constexpr int kNone = res::kStatic;
// Styles compared; tab stops and the like are left to the template.
constexpr unsigned kCompared = s::kGroup | s::kUpperCase | s::kLeftText | s::kRight | s::kCentre;

struct Control {
  int id;
  ControlKind kind;
  const char* caption;
  int x, y, width, height;
  unsigned flags = 0;
};

struct Layout {
  const char* name;
  friend void PrintTo(const Layout& row, std::ostream* os) { *os << row.name; }
  int templateId;
  const char* caption;
  int width, height;
  std::vector<Control> controls;
};

class TemplateLayoutTest : public ::testing::TestWithParam<Layout> {};

TEST_P(TemplateLayoutTest, MatchesTable) {
  const Layout& layout = GetParam();
  const res::DialogTemplate* t = res::FindTemplate(layout.templateId);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->caption, layout.caption);
  EXPECT_EQ(t->width, layout.width);
  EXPECT_EQ(t->height, layout.height);
  EXPECT_EQ(t->fontName, "MS Sans Serif");
  EXPECT_EQ(t->fontPoints, 8);
  ASSERT_EQ(t->controls.size(), layout.controls.size());
  for (size_t i = 0; i < layout.controls.size(); ++i) {
    const Control& want = layout.controls[i];
    const res::ControlTemplate& got = t->controls[i];
    SCOPED_TRACE(::testing::Message() << "control " << i << " \"" << want.caption << "\"");
    EXPECT_EQ(got.id, want.id);
    EXPECT_EQ(got.kind, want.kind);
    EXPECT_EQ(got.caption, want.caption);
    EXPECT_EQ((std::vector<int>{got.x, got.y, got.width, got.height}),
              (std::vector<int>{want.x, want.y, want.width, want.height}));
    EXPECT_EQ(got.flags & kCompared, want.flags);
    EXPECT_EQ(got.flags & (s::kHidden | s::kDisabled), 0u);
  }
}

constexpr unsigned G = s::kGroup, L = s::kLeftText, R = s::kRight, C = s::kCentre;

INSTANTIATE_TEST_SUITE_P(
    SettingDialogs, TemplateLayoutTest,
    ::testing::Values(Layout{"Port",
                             IDD_PORT,
                             "Serial Commincations Port Select",
                             146,
                             55,
                             {{IDOK, kOk, "OK", 76, 20, 50, 14, G},
                              {1089, kRadio, "Com 1", 15, 14, 36, 10, G},
                              {1090, kRadio, "Com 2", 15, 31, 36, 10}}},
                      Layout{"Gain",
                             IDD_GAIN,
                             "TQR-417 Gain Settings",
                             217,
                             98,
                             {{IDOK, kOk, "OK", 160, 7, 50, 14, G},
                              {IDCANCEL, kBtn, "Cancel", 160, 24, 50, 14},
                              {1090, kEdit, "", 95, 15, 43, 13},
                              {kNone, kText, "Handset Sidetone Gain", 13, 18, 74, 8, R},
                              {1091, kEdit, "", 95, 32, 43, 13},
                              {kNone, kText, "Radio TX Gain", 13, 35, 74, 8, R},
                              {1092, kEdit, "", 95, 49, 43, 13},
                              {kNone, kText, "Line TX Gain", 13, 52, 74, 8, R},
                              {1093, kEdit, "", 95, 66, 43, 13},
                              {kNone, kText, "CTCSS Gain", 13, 69, 74, 8, R}}},
                      Layout{"Morse",
                             IDD_MORSE,
                             "Morse Code Encoder Setup",
                             181,
                             161,
                             {{IDOK, kOk, "OK", 124, 7, 50, 14, G},
                              {IDCANCEL, kBtn, "Cancel", 124, 24, 50, 14},
                              {kNone, kFrame, "Auto Transmit Options", 17, 13, 88, 57},
                              {1091, kRadio, "End of Each PTT", 22, 24, 71, 10, G},
                              {1092, kRadio, "Timer Interval", 22, 37, 59, 10},
                              {1093, kEdit, "", 55, 50, 23, 14},
                              {kNone, kText, "min", 83, 50, 12, 8, G},
                              {kNone, kText, "Morse Code Frequency:", 17, 78, 76, 8},
                              {1094, kEdit, "", 97, 75, 31, 14},
                              {kNone, kText, "Hz", 131, 79, 10, 8},
                              {kNone, kText, "Morse Code Gain:", 18, 100, 58, 8},
                              {1096, kEdit, "", 98, 97, 31, 14},
                              {kNone, kText, "dBm", 132, 101, 15, 8},
                              {kNone, kText, "Morse Code String:", 18, 116, 61, 8},
                              {1095, kEdit, "", 18, 126, 131, 14, s::kUpperCase}}},
                      Layout{"TxAudio",
                             IDD_TX_AUDIO,
                             "TX Audio Parameters",
                             181,
                             78,
                             {{IDOK, kOk, "OK", 124, 7, 50, 14, G},
                              {IDCANCEL, kBtn, "Cancel", 124, 24, 50, 14},
                              {1096, kCheck, "AGC:", 19, 14, 92, 10, L},
                              {1097, kCheck, "Add CTCSS to TX:", 19, 27, 92, 10, L},
                              {1098, kCheck, "Pre-Emphasize Audio:", 19, 40, 92, 10, L},
                              {1099, kCheck, "3.5kHz Low Pass Filter:", 19, 53, 92, 10, L}}},
                      Layout{"Vox",
                             IDD_VOX,
                             "Dialog",
                             203,
                             103,
                             {{IDOK, kOk, "OK", 146, 7, 50, 14, G},
                              {IDCANCEL, kBtn, "Cancel", 146, 24, 50, 14},
                              {kNone, kText, "VOX Trigger Level:", 15, 15, 61, 8},
                              {1097, kEdit, "", 78, 13, 40, 14},
                              {kNone, kText, "dBm", 122, 15, 15, 9},
                              {kNone, kText, "VOX Timeout:", 15, 34, 45, 8},
                              {1098, kEdit, "", 78, 32, 40, 14},
                              {kNone, kText, "sec", 122, 34, 15, 9},
                              {kNone, kText, "Call Timeout:", 15, 53, 42, 8},
                              {1099, kEdit, "", 78, 50, 40, 14},
                              {kNone, kText, "min", 122, 53, 15, 9},
                              {1100, kCheck, "Always Send Hold Tone:", 21, 69, 97, 10, L},
                              {1102, kCheck, "Phone Interface Installed:", 21, 81, 97, 10, L}}},
                      Layout{"Dig5",
                             IDD_DIG5_TONE,
                             "Dig5 Input Tone Setup",
                             229,
                             110,
                             {{IDOK, kOk, "OK", 29, 89, 50, 14, G},
                              {IDCANCEL, kBtn, "Cancel", 131, 89, 50, 14},
                              {1103, kCheck, "Enable Tone on Dig5 Input", 18, 15, 101, 10},
                              {1104, kCheck, "Active High", 18, 30, 53, 10},
                              {1099, kEdit, "", 108, 43, 25, 12},
                              {kNone, kText, "Hz", 136, 47, 10, 8, C},
                              {1098, kEdit, "", 151, 43, 25, 12},
                              {kNone, kText, "dBm", 178, 47, 15, 8, C},
                              {kNone, kText, "Tone Frequency and Level:", 18, 45, 88, 8},
                              {kNone, kText, "Tone On Time:", 18, 58, 48, 8, R},
                              {1100, kEdit, "", 108, 57, 25, 12},
                              {kNone, kText, "ms", 136, 60, 10, 8},
                              {kNone, kText, "Tone Off Time:", 18, 71, 48, 8, R},
                              {1101, kEdit, "", 108, 71, 25, 12},
                              {kNone, kText, "ms", 136, 73, 10, 8},
                              {1105, kCheck, "R1", 73, 30, 25, 10},
                              {1106, kCheck, "R2", 101, 30, 25, 10}}},
                      Layout{"Dig4",
                             IDD_DIG4_COR,
                             "Dig4 Input COR Setup",
                             228,
                             87,
                             {{IDOK, kOk, "OK", 171, 7, 50, 14, G},
                              {IDCANCEL, kBtn, "Cancel", 171, 24, 50, 14},
                              {1115, kCheck, "RX Mute on Input", 19, 43, 72, 10},
                              {1116, kCheck, "Active High", 19, 30, 53, 10},
                              {1117, kCheck, "Revert to F1 on Timer", 19, 56, 85, 10},
                              {1119, kEdit, "", 105, 53, 24, 14},
                              {kNone, kText, "sec", 133, 56, 12, 8},
                              {1118, kCheck, "Enable Dig4 as COR Input", 19, 17, 99, 10},
                              {1120, kCheck, "R1", 77, 30, 25, 10},
                              {1121, kCheck, "R2", 105, 30, 25, 10}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Accessible names: every control of every setting dialog has one; the edits carry the label
// beside them, or a name of their own where they have none.
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
    case IDD_DIG4_COR:
      return std::make_unique<CDig4CorDlg>();
    default:
      return nullptr;
  }
}

class SettingDialogNamesTest : public DialogTest {};

TEST_F(SettingDialogNamesTest, EveryControlHasAName) {
  for (int templateId :
       {IDD_PORT, IDD_GAIN, IDD_MORSE, IDD_TX_AUDIO, IDD_VOX, IDD_DIG5_TONE, IDD_DIG4_COR}) {
    std::unique_ptr<CDialog> dialog = MakeDialog(templateId);
    ASSERT_TRUE(dialog->Create());
    for (const res::ControlTemplate& control : dialog->Template()->controls) {
      if (control.id == res::kStatic) continue;
      EXPECT_FALSE(dialog->GetDlgItem(control.id)->GetAccessibleName().IsEmpty())
          << "template " << templateId << " control " << control.id;
    }
  }
}

struct NameRow {
  const char* name;
  friend void PrintTo(const NameRow& row, std::ostream* os) { *os << row.name; }
  int templateId;
  int controlId;
  const char* accessibleName;
};

class EditNameTest : public DialogTest, public ::testing::WithParamInterface<NameRow> {};

TEST_P(EditNameTest, EditIsNamedAfterItsLabel) {
  const NameRow& row = GetParam();
  std::unique_ptr<CDialog> dialog = MakeDialog(row.templateId);
  ASSERT_TRUE(dialog->Create());
  EXPECT_EQ(dialog->GetDlgItem(row.controlId)->GetAccessibleName(), row.accessibleName);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, EditNameTest,
    ::testing::Values(
        NameRow{"GainCtcss", IDD_GAIN, IDC_GAIN_CTCSS, "CTCSS Gain"},
        NameRow{"GainSidetone", IDD_GAIN, IDC_GAIN_SIDETONE, "Handset Sidetone Gain"},
        NameRow{"MorseInterval", IDD_MORSE, IDC_MORSE_INTERVAL, "Timer Interval (min)"},
        NameRow{"MorseFreq", IDD_MORSE, IDC_MORSE_FREQ, "Morse Code Frequency:"},
        NameRow{"MorseText", IDD_MORSE, IDC_MORSE_TEXT, "Morse Code String:"},
        NameRow{"VoxTimeout", IDD_VOX, IDC_VOX_TIMEOUT, "VOX Timeout:"},
        NameRow{"Dig5Freq", IDD_DIG5_TONE, IDC_DIG5_FREQ, "Tone Frequency"},
        NameRow{"Dig5Level", IDD_DIG5_TONE, IDC_DIG5_LEVEL, "Tone Level"},
        NameRow{"Dig5OffTime", IDD_DIG5_TONE, IDC_DIG5_OFF_MS, "Tone Off Time:"},
        NameRow{"Dig4RevertTime", IDD_DIG4_COR, IDC_DIG4_REVERT_SEC, "Revert Time (sec)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tqr417::dialogs::dialog_tests
