// Template 102: the main window, "TQR-417 Configuration Application".
//
// Order: the settings along the top, the function-table grid (headings, then ten rows of
// label, Tone Active, relay, group, duration, digital output, CTCSS and Use Default CTCSS,
// then the scroll bar), the relay options on the right and the commands along the bottom.
// Every control that is not a radio button starts a group, so each radio group ends at the
// control after its last button.

#include "config/field_catalogue.h"
#include "framework/dialog_template.h"
#include "resources/resource_ids.h"
#include "resources/setup_grid.h"

namespace tqr417::res {
namespace {

using fw::ControlTemplate;
using fw::DialogTemplate;
using fw::kStatic;
using fw::TemplateRegistration;
using K = fw::ControlKind;
namespace s = fw::style;

constexpr unsigned kTab = s::kGroup | s::kTabStop;

using namespace setup;  // NOLINT(google-build-using-namespace): the ids of this template

// Rows stand 14 units apart from y = 84; check boxes sit one unit lower than the fields.
constexpr int kFirstRowY = 84;
constexpr int kRowPitch = 14;
constexpr int kRowHeight = 13;
constexpr int kComboListHeight = 51;

void AddTopControls(std::vector<ControlTemplate>& c) {
  c.push_back({kStatic, K::kGroupBox, "Function Tone Mode", 17, 7, 83, 24, s::kGroup, {}});
  c.push_back({IDC_SINGLE, K::kRadioButton, "Single", 24, 15, 35, 10, kTab, {}});
  c.push_back({IDC_DUAL, K::kRadioButton, "Dual", 64, 15, 31, 10, s::kNone, {}});
  c.push_back({kStatic, K::kGroupBox, "CTCSS Tone", 105, 7, 98, 24, s::kGroup, {}});
  c.push_back({IDC_CTCSS_PTT_ONLY, K::kRadioButton, "PTT Only", 111, 15, 45, 10, kTab, {}});
  c.push_back({IDC_CTCSS_ALWAYS_ON, K::kRadioButton, "Always On", 155, 15, 46, 10, s::kNone, {}});
  c.push_back({kStatic, K::kGroupBox, "Line DTMF Decoder", 207, 7, 79, 24, s::kGroup, {}});
  c.push_back({IDC_LINE_DTMF_DISABLE, K::kCheckBox, "Disable", 213, 18, 43, 10, kTab, {}});
  c.push_back({kStatic, K::kGroupBox, "Audio Loopback", 207, 32, 79, 24, s::kGroup, {}});
  c.push_back({IDC_AUDIO_LOOPBACK, K::kCheckBox, "Enabled", 213, 40, 43, 10, kTab, {}});
  c.push_back(
      {kStatic, K::kStaticText, "PTT Frequency", 291, 7, 41, 16, s::kGroup | s::kCentre, {}});
  c.push_back({IDC_PTT_FREQUENCY,
               K::kComboDropList,
               "",
               291,
               23,
               42,
               41,
               kTab | s::kSorted,
               {std::begin(kPttFrequencies), std::end(kPttFrequencies)}});
  c.push_back({IDC_LOAD, K::kPushButton, "Load Config", 339, 7, 48, 20, kTab, {}});
  c.push_back({IDC_SAVE, K::kPushButton, "SAVEConfig", 340, 32, 47, 19, kTab, {}});
  c.push_back({IDC_DIG5, K::kPushButton, "Dig5 Setup", 17, 38, 43, 14, kTab, {}});
  c.push_back({IDC_DIG4, K::kPushButton, "Dig4 Setup", 68, 38, 43, 14, kTab, {}});
}

// A column heading: centred static text.
ControlTemplate Heading(const GridColumn& column, int x, int y, int width, int height) {
  return {kStatic, K::kStaticText, std::string(column.heading), x, y,
          width,   height,         s::kGroup | s::kCentre,      {}};
}

void AddGrid(std::vector<ControlTemplate>& c) {
  c.push_back(Heading(grid::kLabel, 15, 63, 29, 18));
  c.push_back(Heading(grid::kToneActive, 43, 63, 25, 18));
  c.push_back(Heading(grid::kRelay, 82, 73, 19, 8));
  c.push_back(Heading(grid::kGroup, 121, 64, 20, 17));
  c.push_back(Heading(grid::kDuration, 147, 56, 28, 25));
  c.push_back(Heading(grid::kDigitalOutput, 179, 64, 23, 17));
  c.push_back(Heading(grid::kCtcss, 212, 64, 23, 17));
  c.push_back(Heading(grid::kUseDefaultCtcss, 242, 56, 25, 25));

  for (int row = 0; row < kGridRows; ++row) {
    const int y = kFirstRowY + kRowPitch * row;
    const auto r = static_cast<std::size_t>(row);
    c.push_back({kLabelIds[r], K::kEdit, "", 15, y, 24, kRowHeight, s::kGroup | s::kDisabled, {}});
    c.push_back({kToneActiveIds[r], K::kCheckBox, "", 51, y + 1, 10, 10, kTab, {}});
    c.push_back(
        {kRelayIds[r], K::kComboDropDown, "", 72, y, 40, kComboListHeight, kTab, {"R01", "R02"}});
    c.push_back({kGroupIds[r],
                 K::kComboDropDown,
                 "",
                 120,
                 y,
                 23,
                 kComboListHeight,
                 kTab,
                 {"1", "2", "3", "4"}});
    c.push_back({kDurationIds[r], K::kEdit, "", 148, y, 25, kRowHeight, kTab, {}});
    c.push_back({kDigitalOutputIds[r], K::kEdit, "", 178, y, 25, kRowHeight, kTab, {}});
    c.push_back({kCtcssIds[r], K::kEdit, "", 212, y, 25, kRowHeight, kTab, {}});
    c.push_back({kUseDefaultCtcssIds[r], K::kCheckBox, "", 250, y + 1, 10, 10, kTab, {}});
  }
  c.push_back({IDC_SCROLLBAR, K::kVScrollBar, "", 267, 85, 13, 138, s::kGroup, {}});
}

void AddRightAndBottom(std::vector<ControlTemplate>& c) {
  c.push_back({kStatic, K::kGroupBox, "PTT Relay Options", 293, 60, 88, 86, s::kGroup, {}});
  c.push_back({IDC_REPEATER_MODE,
               K::kCheckBox,
               "Repeater Mode:",
               305,
               70,
               66,
               10,
               kTab | s::kLeftText,
               {}});
  c.push_back(
      {IDC_REVERT_TO_R1, K::kCheckBox, "Revert to R1:", 305, 82, 66, 10, kTab | s::kLeftText, {}});
  c.push_back({IDC_PTT_TONE_ONLY,
               K::kCheckBox,
               "PTT Tone Only:",
               305,
               94,
               66,
               10,
               kTab | s::kLeftText,
               {}});
  c.push_back(
      {IDC_PTT_NO_RELAYS, K::kRadioButton, "No Additional Relays", 298, 106, 81, 10, kTab, {}});
  c.push_back({IDC_PTT_F1, K::kRadioButton, "F1 Also on PTT", 298, 120, 65, 10, s::kNone, {}});
  c.push_back({IDC_PTT_F2, K::kRadioButton, "F2 Also on PTT", 298, 133, 65, 10, s::kNone, {}});
  c.push_back({kStatic, K::kGroupBox, "MON Relay Options", 293, 148, 88, 68, s::kGroup, {}});
  c.push_back({IDC_MON_RESET_ON_PTT, K::kRadioButton, "Reset on PTT", 298, 158, 61, 10, kTab, {}});
  c.push_back({IDC_MON_ALWAYS_EXCEPT_PTT,
               K::kRadioButton,
               "Always except PTT",
               298,
               172,
               77,
               10,
               s::kNone,
               {}});
  c.push_back({IDC_MON_MOMENTARY, K::kRadioButton, "Momentary", 298, 185, 51, 10, s::kNone, {}});
  c.push_back({IDC_MON_MOMENTARY_MS, K::kEdit, "", 313, 199, 23, 14, kTab, {}});
  c.push_back({kStatic, K::kStaticText, "ms", 341, 202, 10, 8, s::kGroup, {}});
  c.push_back({IDC_DUZO,
               K::kPushButton,
               "DUZO Mode",
               312,
               219,
               45,
               14,
               kTab | s::kHidden | s::kDisabled,
               {}});
  c.push_back({kStatic, K::kGroupBox, "Error Beeps", 14, 225, 60, 21, s::kGroup, {}});
  c.push_back({IDC_ERROR_BEEPS, K::kCheckBox, "Enabled", 20, 233, 43, 10, kTab, {}});
  c.push_back({IDC_SEND, K::kPushButton, "Send to 417", 21, 248, 60, 22, kTab, {}});
  c.push_back({IDC_RECV, K::kPushButton, "Recv from 417", 110, 248, 60, 22, kTab, {}});
  c.push_back({IDC_SET_GAINS, K::kPushButton, "Set Gains", 195, 238, 43, 14, kTab, {}});
  c.push_back({IDC_COM_PORT, K::kPushButton, "Com Port", 243, 238, 43, 14, kTab, {}});
  c.push_back({IDC_MORSE, K::kPushButton, "Morse Code", 195, 256, 43, 14, kTab, {}});
  c.push_back({IDC_TX_FILTERS, K::kPushButton, "TX Filters", 243, 256, 43, 14, kTab, {}});
  c.push_back({IDC_EXIT, K::kPushButton, "EXIT Application", 292, 236, 89, 34, kTab, {}});
}

DialogTemplate MakeSetupTemplate() {
  DialogTemplate t{
      .id = IDD_SETUP_DIALOG,
      .caption = "TQR-417 Configuration Application",
      .width = 394,
      .height = 277,
      .flags = fw::dialog_style::kCaption | fw::dialog_style::kSysMenu |
               fw::dialog_style::kModalFrame | fw::dialog_style::kAppWindow,
      .controls = {},
  };
  AddTopControls(t.controls);
  AddGrid(t.controls);
  AddRightAndBottom(t.controls);
  return t;
}

const TemplateRegistration kSetup{MakeSetupTemplate()};

}  // namespace
}  // namespace tqr417::res
