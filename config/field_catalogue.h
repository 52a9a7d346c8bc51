#pragma once
// Every configuration field, described once: its member name, the caption its editing
// window shows, its unit, the range that editing window accepts, whether that window checks
// it, where it lives, which control of which window shows it, and its start-up value. The
// frame layout, the file layout, the windows' range checks, the start-up values and the
// companion all read these rows. The template and control ids come from
// resources/resource_ids.h, plain numbers that need no toolkit.

#include <span>
#include <stdexcept>
#include <string_view>

#include "config/field_ref.h"
#include "resources/resource_ids.h"

namespace tqr417 {

enum class FieldKind {
  kNumber,  // a whole number, [minValue, maxValue]
  kFlag,    // a check box: 0 or 1
  kChoice,  // a radio group or list index: 0 to maxValue
  kText,    // at most maxValue characters (0: no limit); allowedTexts, when not empty, lists
            // every text the window offers
};

enum class FieldGroup { kMainWindow, kDialog, kFunctionTable };

// Whether the field's editing window refuses a value outside its range with a message. Check
// boxes, radio groups and the grid's relay and group lists take whatever they are given.
enum class WindowCheck { kNone, kRange };

// How a field gets its value when the main window opens.
enum class Startup {
  kValue,       // the row's start value (startText for a text)
  kEntryMod64,  // table only: the entry number modulo 64
  kAsCreated,   // main window only: keeps the 0 it had when the window was created
};

// Where a window shows the field: the number of its window's template and the control that
// shows it there (a radio group's first button; for a table field, the grid column's control
// in row 1). The configuration sheet takes the order and headings of its sections from the
// templates through these.
struct FieldPlace {
  int templateId;
  int controlId;
};

struct FieldInfo {
  std::string_view name;     // the member's name, e.g. "monMomentaryMs"
  std::string_view caption;  // as the editing window shows it
  std::string_view unit;     // "" when the window shows none
  FieldGroup group;
  FieldKind kind;
  int minValue;
  int maxValue;
  WindowCheck check;
  FieldRef ref;
  FieldPlace place;
  Startup startup;
  int startValue;              // numbers, with Startup::kValue
  std::string_view startText;  // texts, with Startup::kValue
  std::span<const std::string_view> allowedTexts = {};
  std::span<const std::string_view> choiceNames = {};  // kChoice: the buttons, by index
};

// The eight items of the main window's PTT Frequency list, in list order.
inline constexpr std::string_view kPttFrequencies[] = {"2100", "2155", "2175", "2300",
                                                       "2325", "2600", "2800", "2970"};

inline constexpr std::string_view kToneModeNames[] = {"Single", "Dual"};
inline constexpr std::string_view kCtcssToneModeNames[] = {"PTT Only", "Always On"};
inline constexpr std::string_view kPttRelayOptionNames[] = {"No Additional Relays",
                                                            "F1 Also on PTT", "F2 Also on PTT"};
inline constexpr std::string_view kMonRelayModeNames[] = {"Reset on PTT", "Always except PTT",
                                                          "Momentary"};
inline constexpr std::string_view kMorseAutoModeNames[] = {"End of Each PTT", "Timer Interval"};

inline constexpr int kMorseTextMaxChars = 50;
inline constexpr int kPttFrequencyMaxChars = 4;

namespace catalogue_rows {
using M = MainWindowSettings;
using D = DialogSettings;
using T = FunctionTable;
inline constexpr FieldGroup kMain = FieldGroup::kMainWindow;
inline constexpr FieldGroup kDlg = FieldGroup::kDialog;
inline constexpr FieldGroup kTable = FieldGroup::kFunctionTable;
inline constexpr FieldKind kNumber = FieldKind::kNumber;
inline constexpr FieldKind kFlag = FieldKind::kFlag;
inline constexpr FieldKind kChoice = FieldKind::kChoice;
inline constexpr FieldKind kText = FieldKind::kText;
inline constexpr WindowCheck kChecked = WindowCheck::kRange;
inline constexpr WindowCheck kFree = WindowCheck::kNone;
inline constexpr Startup kValue = Startup::kValue;
inline constexpr Startup kAsCreated = Startup::kAsCreated;
inline constexpr Startup kMod64 = Startup::kEntryMod64;
inline constexpr int kSetup = res::IDD_SETUP_DIALOG;
using namespace res;         // NOLINT(google-build-using-namespace): the template and control ids
using namespace res::setup;  // NOLINT(google-build-using-namespace)

// Main-window group first, then the dialog group, then the table's seven per-entry fields.
// clang-format off
inline constexpr FieldInfo kRows[] = {
//  name                caption                      unit    group   kind     min    max    window    member               shown by: template, control              start       value  text
  {"toneMode",         "Function Tone Mode",        "",     kMain,  kChoice,   0,     1,    kFree,    &M::toneMode,         {kSetup, IDC_SINGLE},                   kAsCreated,    0, "", {}, kToneModeNames},
  {"ctcssToneMode",    "CTCSS Tone",                "",     kMain,  kChoice,   0,     1,    kFree,    &M::ctcssToneMode,    {kSetup, IDC_CTCSS_PTT_ONLY},           kAsCreated,    0, "", {}, kCtcssToneModeNames},
  {"lineDtmfDisable",  "Line DTMF Decoder Disable", "",     kMain,  kFlag,     0,     1,    kFree,    &M::lineDtmfDisable,  {kSetup, IDC_LINE_DTMF_DISABLE},        kValue,        0, ""},
  {"audioLoopback",    "Audio Loopback Enabled",    "",     kMain,  kFlag,     0,     1,    kFree,    &M::audioLoopback,    {kSetup, IDC_AUDIO_LOOPBACK},           kValue,        0, ""},
  {"repeaterMode",     "Repeater Mode",             "",     kMain,  kFlag,     0,     1,    kFree,    &M::repeaterMode,     {kSetup, IDC_REPEATER_MODE},            kAsCreated,    0, ""},
  {"revertToR1",       "Revert to R1",              "",     kMain,  kFlag,     0,     1,    kFree,    &M::revertToR1,       {kSetup, IDC_REVERT_TO_R1},             kAsCreated,    0, ""},
  {"pttToneOnly",      "PTT Tone Only",             "",     kMain,  kFlag,     0,     1,    kFree,    &M::pttToneOnly,      {kSetup, IDC_PTT_TONE_ONLY},            kValue,        0, ""},
  {"pttRelayOption",   "PTT Relay Options",         "",     kMain,  kChoice,   0,     2,    kFree,    &M::pttRelayOption,   {kSetup, IDC_PTT_NO_RELAYS},            kAsCreated,    0, "", {}, kPttRelayOptionNames},
  {"monRelayMode",     "MON Relay Options",         "",     kMain,  kChoice,   0,     2,    kFree,    &M::monRelayMode,     {kSetup, IDC_MON_RESET_ON_PTT},         kAsCreated,    0, "", {}, kMonRelayModeNames},
  {"monMomentaryMs",   "MON Relay Momentary Time",  "ms",   kMain,  kNumber,   0, 60000,    kChecked, &M::monMomentaryMs,   {kSetup, IDC_MON_MOMENTARY_MS},         kAsCreated,    0, ""},
  {"errorBeeps",       "Error Beeps Enabled",       "",     kMain,  kFlag,     0,     1,    kFree,    &M::errorBeeps,       {kSetup, IDC_ERROR_BEEPS},              kValue,        1, ""},
  {"pttFrequency",     "PTT Frequency",             "Hz",   kMain,  kText,     0,     kPttFrequencyMaxChars,
                                                                                            kChecked, &M::pttFrequency,     {kSetup, IDC_PTT_FREQUENCY},            kValue,        0, "2175", kPttFrequencies},

  {"sidetoneGain",     "Handset Sidetone Gain",     "",     kDlg,   kNumber, -40,    10,    kChecked, &D::sidetoneGain,     {IDD_GAIN, IDC_GAIN_SIDETONE},          kValue,        0, ""},
  {"radioTxGain",      "Radio TX Gain",             "",     kDlg,   kNumber, -40,    10,    kChecked, &D::radioTxGain,      {IDD_GAIN, IDC_GAIN_RADIO_TX},          kValue,        0, ""},
  {"lineTxGain",       "Line TX Gain",              "",     kDlg,   kNumber, -40,    10,    kChecked, &D::lineTxGain,       {IDD_GAIN, IDC_GAIN_LINE_TX},           kValue,        0, ""},
  {"ctcssGain",        "CTCSS Gain",                "",     kDlg,   kNumber, -40,    10,    kChecked, &D::ctcssGain,        {IDD_GAIN, IDC_GAIN_CTCSS},             kValue,        0, ""},
  {"morseAutoMode",    "Auto Transmit Options",     "",     kDlg,   kChoice,   0,     1,    kFree,    &D::morseAutoMode,    {IDD_MORSE, IDC_MORSE_END_OF_PTT},      kValue,        1, "", {}, kMorseAutoModeNames},
  {"morseIntervalMin", "Morse Timer Interval",      "min",  kDlg,   kNumber,   0,   200,    kChecked, &D::morseIntervalMin, {IDD_MORSE, IDC_MORSE_INTERVAL},        kValue,        0, ""},
  {"morseFreq",        "Morse Code Frequency",      "Hz",   kDlg,   kNumber, 400,  2000,    kChecked, &D::morseFreq,        {IDD_MORSE, IDC_MORSE_FREQ},            kValue,     1200, ""},
  {"morseGain",        "Morse Code Gain",           "dBm",  kDlg,   kNumber, -40,     5,    kChecked, &D::morseGain,        {IDD_MORSE, IDC_MORSE_GAIN},            kValue,      -10, ""},
  {"morseText",        "Morse Code String",         "",     kDlg,   kText,     0,     kMorseTextMaxChars,
                                                                                            kChecked, &D::morseText,        {IDD_MORSE, IDC_MORSE_TEXT},            kValue,        0, ""},
  {"txAgc",            "AGC",                       "",     kDlg,   kFlag,     0,     1,    kFree,    &D::txAgc,            {IDD_TX_AUDIO, IDC_TX_AGC},             kValue,        0, ""},
  {"txAddCtcss",       "Add CTCSS to TX",           "",     kDlg,   kFlag,     0,     1,    kFree,    &D::txAddCtcss,       {IDD_TX_AUDIO, IDC_TX_ADD_CTCSS},       kValue,        0, ""},
  {"txPreEmphasis",    "Pre-Emphasize Audio",       "",     kDlg,   kFlag,     0,     1,    kFree,    &D::txPreEmphasis,    {IDD_TX_AUDIO, IDC_TX_PRE_EMPHASIS},    kValue,        0, ""},
  {"txLowPass",        "3.5kHz Low Pass Filter",    "",     kDlg,   kFlag,     0,     1,    kFree,    &D::txLowPass,        {IDD_TX_AUDIO, IDC_TX_LOW_PASS},        kValue,        0, ""},
  {"voxLevel",         "VOX Trigger Level",         "dBm",  kDlg,   kNumber, -40,    10,    kChecked, &D::voxLevel,         {IDD_VOX, IDC_VOX_LEVEL},               kValue,      -10, ""},
  {"voxTimeoutSec",    "VOX Timeout",               "s",    kDlg,   kNumber,   0,   600,    kChecked, &D::voxTimeoutSec,    {IDD_VOX, IDC_VOX_TIMEOUT},             kValue,      120, ""},
  // 600 lies outside what the VOX dialog accepts; the unit expects it as the start-up value.
  {"callTimeoutMin",   "Call Timeout",              "min",  kDlg,   kNumber,   0,   180,    kChecked, &D::callTimeoutMin,   {IDD_VOX, IDC_VOX_CALL_TIMEOUT},        kValue,      600, ""},
  {"holdToneAlways",   "Always Send Hold Tone",     "",     kDlg,   kFlag,     0,     1,    kFree,    &D::holdToneAlways,   {IDD_VOX, IDC_VOX_HOLD_TONE},           kValue,        0, ""},
  {"phoneInstalled",   "Phone Interface Installed", "",     kDlg,   kFlag,     0,     1,    kFree,    &D::phoneInstalled,   {IDD_VOX, IDC_VOX_PHONE},               kValue,        0, ""},
  {"dig5Enable",       "Enable Tone on Dig5 Input", "",     kDlg,   kFlag,     0,     1,    kFree,    &D::dig5Enable,       {IDD_DIG5_TONE, IDC_DIG5_ENABLE},       kValue,        0, ""},
  {"dig5ActiveHigh",   "Dig5 Active High",          "",     kDlg,   kFlag,     0,     1,    kFree,    &D::dig5ActiveHigh,   {IDD_DIG5_TONE, IDC_DIG5_ACTIVE_HIGH},  kValue,        1, ""},
  {"dig5R1",           "Dig5 R1",                   "",     kDlg,   kFlag,     0,     1,    kFree,    &D::dig5R1,           {IDD_DIG5_TONE, IDC_DIG5_R1},           kValue,        0, ""},
  {"dig5R2",           "Dig5 R2",                   "",     kDlg,   kFlag,     0,     1,    kFree,    &D::dig5R2,           {IDD_DIG5_TONE, IDC_DIG5_R2},           kValue,        0, ""},
  {"dig5ToneFreq",     "Dig5 Tone Frequency",       "Hz",   kDlg,   kNumber, 300,  3000,    kChecked, &D::dig5ToneFreq,     {IDD_DIG5_TONE, IDC_DIG5_FREQ},         kValue,     2175, ""},
  {"dig5ToneLevel",    "Dig5 Tone Level",           "dBm",  kDlg,   kNumber, -40,    10,    kChecked, &D::dig5ToneLevel,    {IDD_DIG5_TONE, IDC_DIG5_LEVEL},        kValue,      -20, ""},
  {"dig5OnMs",         "Dig5 Tone On Time",         "ms",   kDlg,   kNumber,   0, 65000,    kChecked, &D::dig5OnMs,         {IDD_DIG5_TONE, IDC_DIG5_ON_MS},        kValue,        0, ""},
  {"dig5OffMs",        "Dig5 Tone Off Time",        "ms",   kDlg,   kNumber,   0, 65000,    kChecked, &D::dig5OffMs,        {IDD_DIG5_TONE, IDC_DIG5_OFF_MS},       kValue,        0, ""},
  {"dig4Enable",       "Enable Dig4 as COR Input",  "",     kDlg,   kFlag,     0,     1,    kFree,    &D::dig4Enable,       {IDD_DIG4_COR, IDC_DIG4_ENABLE},        kValue,        0, ""},
  {"dig4ActiveHigh",   "Dig4 Active High",          "",     kDlg,   kFlag,     0,     1,    kFree,    &D::dig4ActiveHigh,   {IDD_DIG4_COR, IDC_DIG4_ACTIVE_HIGH},   kValue,        0, ""},
  {"dig4RxMute",       "RX Mute on Input",          "",     kDlg,   kFlag,     0,     1,    kFree,    &D::dig4RxMute,       {IDD_DIG4_COR, IDC_DIG4_RX_MUTE},       kValue,        0, ""},
  {"dig4RevertF1",     "Revert to F1 on Timer",     "",     kDlg,   kFlag,     0,     1,    kFree,    &D::dig4RevertF1,     {IDD_DIG4_COR, IDC_DIG4_REVERT},        kValue,        0, ""},
  {"dig4RevertSec",    "Revert to F1 Time",         "s",    kDlg,   kNumber,   0, 30000,    kChecked, &D::dig4RevertSec,    {IDD_DIG4_COR, IDC_DIG4_REVERT_SEC},    kValue,        0, ""},
  {"dig4R1",           "Dig4 R1",                   "",     kDlg,   kFlag,     0,     1,    kFree,    &D::dig4R1,           {IDD_DIG4_COR, IDC_DIG4_R1},            kValue,        0, ""},
  {"dig4R2",           "Dig4 R2",                   "",     kDlg,   kFlag,     0,     1,    kFree,    &D::dig4R2,           {IDD_DIG4_COR, IDC_DIG4_R2},            kValue,        0, ""},

  {"toneActive",       "Tone Active",               "",     kTable, kFlag,     0,     1,    kFree,    &T::toneActive,       {kSetup, kToneActiveIds[0]},            kValue,        1, ""},
  {"relay",            "Relay",                     "",     kTable, kText,     0,     0,    kFree,    &T::relay,            {kSetup, kRelayIds[0]},                 kValue,        0, ""},
  {"relayGroup",       "Relay Group",               "",     kTable, kNumber,   1,     4,    kFree,    &T::relayGroup,       {kSetup, kGroupIds[0]},                 kValue,        1, ""},
  {"relayDurationMs",  "Relay Duration",            "ms",   kTable, kNumber,   0, 30000,    kChecked, &T::relayDurationMs,  {kSetup, kDurationIds[0]},              kValue,        0, ""},
  {"digitalOutput",    "Digital Output",            "",     kTable, kNumber,   0,    63,    kChecked, &T::digitalOutput,    {kSetup, kDigitalOutputIds[0]},         kMod64,        0, ""},
  {"ctcssCode",        "CTCSS Freq",                "",     kTable, kNumber,   0,    64,    kChecked, &T::ctcssCode,        {kSetup, kCtcssIds[0]},                 kValue,        0, ""},
  {"useDefaultCtcss",  "Use Default CTCSS",         "",     kTable, kFlag,     0,     1,    kFree,    &T::useDefaultCtcss,  {kSetup, kUseDefaultCtcssIds[0]},       kValue,        0, ""},
};
// clang-format on

}  // namespace catalogue_rows

// Every field, in the order of the rows.
inline constexpr std::span<const FieldInfo> kFieldCatalogue = catalogue_rows::kRows;

// The row of the field called `name`; a name no row has does not compile.
consteval const FieldInfo& Field(std::string_view name) {
  for (const FieldInfo& field : catalogue_rows::kRows) {
    if (field.name == name) return field;
  }
  throw std::invalid_argument("no configuration field of this name");
}

// Every field, as pointers into the rows.
std::span<const FieldInfo* const> AllFields();

// The field whose member is called `name`, or nullptr.
const FieldInfo* FindField(std::string_view name);

// Whether the field's editing window would take `value` / `text` without a range message.
bool WindowAccepts(const FieldInfo& field, int value);
bool WindowAccepts(const FieldInfo& field, std::string_view text);
// The same for the value the configuration holds (entry: table fields only).
bool WindowAccepts(const FieldInfo& field, const UnitConfig& config, int entry = 0);

// What the field's editing window accepts, in words: "-40 to 10", "at most 4 characters".
std::string AcceptedRangeText(const FieldInfo& field);

}  // namespace tqr417
