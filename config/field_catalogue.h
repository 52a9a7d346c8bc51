#pragma once
// Every configuration field, described once: its member name, the caption its editing
// window shows, its unit, the range that editing window accepts and where it lives.
// The frame layout, the file layout and the companion's show and check refer to these.

#include <span>
#include <string_view>

#include "config/field_ref.h"

namespace tqr417 {

enum class FieldKind {
  kNumber,  // a whole number checked against [minValue, maxValue]
  kFlag,    // a check box: 0 or 1
  kChoice,  // a radio group or list index: 0 to maxValue
  kText,    // at most maxValue characters; allowedTexts, when not empty, lists every accepted text
};

enum class FieldGroup { kMainWindow, kDialog, kFunctionTable };

struct FieldInfo {
  std::string_view name;     // the member's name, e.g. "monMomentaryMs"
  std::string_view caption;  // as the editing window shows it
  std::string_view unit;     // "" when the window shows none
  FieldGroup group;
  FieldKind kind;
  int minValue;
  int maxValue;
  FieldRef ref;
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

namespace fields {

using M = MainWindowSettings;
using D = DialogSettings;
using T = FunctionTable;
using G = FieldGroup;
using K = FieldKind;

// Main-window group.
inline constexpr FieldInfo toneMode{
    "toneMode", "Function Tone Mode", "", G::kMainWindow, K::kChoice, 0,
    1,          &M::toneMode,         {}, kToneModeNames};
inline constexpr FieldInfo ctcssToneMode{
    "ctcssToneMode",    "CTCSS Tone", "", G::kMainWindow, K::kChoice, 0, 1, &M::ctcssToneMode, {},
    kCtcssToneModeNames};
inline constexpr FieldInfo lineDtmfDisable{
    "lineDtmfDisable",  "Line DTMF Decoder Disable", "", G::kMainWindow, K::kFlag, 0, 1,
    &M::lineDtmfDisable};
inline constexpr FieldInfo audioLoopback{
    "audioLoopback",  "Audio Loopback Enabled", "", G::kMainWindow, K::kFlag, 0, 1,
    &M::audioLoopback};
inline constexpr FieldInfo repeaterMode{
    "repeaterMode", "Repeater Mode", "", G::kMainWindow, K::kFlag, 0, 1, &M::repeaterMode};
inline constexpr FieldInfo revertToR1{
    "revertToR1", "Revert to R1", "", G::kMainWindow, K::kFlag, 0, 1, &M::revertToR1};
inline constexpr FieldInfo pttToneOnly{
    "pttToneOnly", "PTT Tone Only", "", G::kMainWindow, K::kFlag, 0, 1, &M::pttToneOnly};
inline constexpr FieldInfo pttRelayOption{"pttRelayOption",
                                          "PTT Relay Options",
                                          "",
                                          G::kMainWindow,
                                          K::kChoice,
                                          0,
                                          2,
                                          &M::pttRelayOption,
                                          {},
                                          kPttRelayOptionNames};
inline constexpr FieldInfo monRelayMode{"monRelayMode",
                                        "MON Relay Options",
                                        "",
                                        G::kMainWindow,
                                        K::kChoice,
                                        0,
                                        2,
                                        &M::monRelayMode,
                                        {},
                                        kMonRelayModeNames};
inline constexpr FieldInfo monMomentaryMs{
    "monMomentaryMs",  "MON Relay Momentary Time", "ms", G::kMainWindow, K::kNumber, 0, 60000,
    &M::monMomentaryMs};
inline constexpr FieldInfo errorBeeps{
    "errorBeeps", "Error Beeps Enabled", "", G::kMainWindow, K::kFlag, 0, 1, &M::errorBeeps};
inline constexpr FieldInfo pttFrequency{"pttFrequency",        "PTT Frequency",  "Hz",
                                        G::kMainWindow,        K::kText,         0,
                                        kPttFrequencyMaxChars, &M::pttFrequency, kPttFrequencies};

// Dialog group.
inline constexpr FieldInfo sidetoneGain{
    "sidetoneGain", "Handset Sidetone Gain", "", G::kDialog, K::kNumber, -40, 10, &D::sidetoneGain};
inline constexpr FieldInfo radioTxGain{
    "radioTxGain", "Radio TX Gain", "", G::kDialog, K::kNumber, -40, 10, &D::radioTxGain};
inline constexpr FieldInfo lineTxGain{"lineTxGain", "Line TX Gain", "", G::kDialog, K::kNumber, -40,
                                      10,           &D::lineTxGain};
inline constexpr FieldInfo ctcssGain{"ctcssGain", "CTCSS Gain", "", G::kDialog,
                                     K::kNumber,  -40,          10, &D::ctcssGain};
inline constexpr FieldInfo morseAutoMode{"morseAutoMode",
                                         "Auto Transmit Options",
                                         "",
                                         G::kDialog,
                                         K::kChoice,
                                         0,
                                         1,
                                         &D::morseAutoMode,
                                         {},
                                         kMorseAutoModeNames};
inline constexpr FieldInfo morseIntervalMin{
    "morseIntervalMin",  "Morse Timer Interval", "min", G::kDialog, K::kNumber, 0, 200,
    &D::morseIntervalMin};
inline constexpr FieldInfo morseFreq{
    "morseFreq", "Morse Code Frequency", "Hz", G::kDialog, K::kNumber, 400, 2000, &D::morseFreq};
inline constexpr FieldInfo morseGain{
    "morseGain", "Morse Code Gain", "dBm", G::kDialog, K::kNumber, -40, 5, &D::morseGain};
inline constexpr FieldInfo morseText{
    "morseText", "Morse Code String", "",           G::kDialog, K::kText,
    0,           kMorseTextMaxChars,  &D::morseText};
inline constexpr FieldInfo txAgc{"txAgc", "AGC", "", G::kDialog, K::kFlag, 0, 1, &D::txAgc};
inline constexpr FieldInfo txAddCtcss{
    "txAddCtcss", "Add CTCSS to TX", "", G::kDialog, K::kFlag, 0, 1, &D::txAddCtcss};
inline constexpr FieldInfo txPreEmphasis{
    "txPreEmphasis", "Pre-Emphasize Audio", "", G::kDialog, K::kFlag, 0, 1, &D::txPreEmphasis};
inline constexpr FieldInfo txLowPass{
    "txLowPass", "3.5kHz Low Pass Filter", "", G::kDialog, K::kFlag, 0, 1, &D::txLowPass};
inline constexpr FieldInfo voxLevel{
    "voxLevel", "VOX Trigger Level", "dBm", G::kDialog, K::kNumber, -40, 10, &D::voxLevel};
inline constexpr FieldInfo voxTimeoutSec{
    "voxTimeoutSec", "VOX Timeout", "s", G::kDialog, K::kNumber, 0, 600, &D::voxTimeoutSec};
inline constexpr FieldInfo callTimeoutMin{
    "callTimeoutMin", "Call Timeout", "min", G::kDialog, K::kNumber, 0, 180, &D::callTimeoutMin};
inline constexpr FieldInfo holdToneAlways{
    "holdToneAlways", "Always Send Hold Tone", "", G::kDialog, K::kFlag, 0, 1, &D::holdToneAlways};
inline constexpr FieldInfo phoneInstalled{
    "phoneInstalled",  "Phone Interface Installed", "", G::kDialog, K::kFlag, 0, 1,
    &D::phoneInstalled};
inline constexpr FieldInfo dig5Enable{
    "dig5Enable", "Enable Tone on Dig5 Input", "", G::kDialog, K::kFlag, 0, 1, &D::dig5Enable};
inline constexpr FieldInfo dig5ActiveHigh{
    "dig5ActiveHigh", "Dig5 Active High", "", G::kDialog, K::kFlag, 0, 1, &D::dig5ActiveHigh};
inline constexpr FieldInfo dig5R1{"dig5R1", "Dig5 R1", "", G::kDialog, K::kFlag, 0, 1, &D::dig5R1};
inline constexpr FieldInfo dig5R2{"dig5R2", "Dig5 R2", "", G::kDialog, K::kFlag, 0, 1, &D::dig5R2};
inline constexpr FieldInfo dig5ToneFreq{
    "dig5ToneFreq", "Dig5 Tone Frequency", "Hz", G::kDialog, K::kNumber, 300,
    3000,           &D::dig5ToneFreq};
inline constexpr FieldInfo dig5ToneLevel{
    "dig5ToneLevel", "Dig5 Tone Level", "dBm", G::kDialog, K::kNumber, -40, 10, &D::dig5ToneLevel};
inline constexpr FieldInfo dig5OnMs{
    "dig5OnMs", "Dig5 Tone On Time", "ms", G::kDialog, K::kNumber, 0, 65000, &D::dig5OnMs};
inline constexpr FieldInfo dig5OffMs{
    "dig5OffMs", "Dig5 Tone Off Time", "ms", G::kDialog, K::kNumber, 0, 65000, &D::dig5OffMs};
inline constexpr FieldInfo dig4Enable{
    "dig4Enable", "Enable Dig4 as COR Input", "", G::kDialog, K::kFlag, 0, 1, &D::dig4Enable};
inline constexpr FieldInfo dig4ActiveHigh{
    "dig4ActiveHigh", "Dig4 Active High", "", G::kDialog, K::kFlag, 0, 1, &D::dig4ActiveHigh};
inline constexpr FieldInfo dig4RxMute{
    "dig4RxMute", "RX Mute on Input", "", G::kDialog, K::kFlag, 0, 1, &D::dig4RxMute};
inline constexpr FieldInfo dig4RevertF1{
    "dig4RevertF1", "Revert to F1 on Timer", "", G::kDialog, K::kFlag, 0, 1, &D::dig4RevertF1};
inline constexpr FieldInfo dig4RevertSec{
    "dig4RevertSec", "Revert to F1 Time", "s", G::kDialog, K::kNumber, 0, 30000, &D::dig4RevertSec};
inline constexpr FieldInfo dig4R1{"dig4R1", "Dig4 R1", "", G::kDialog, K::kFlag, 0, 1, &D::dig4R1};
inline constexpr FieldInfo dig4R2{"dig4R2", "Dig4 R2", "", G::kDialog, K::kFlag, 0, 1, &D::dig4R2};

// Function table, one value per entry.
inline constexpr FieldInfo toneActive{
    "toneActive", "Tone Active", "", G::kFunctionTable, K::kFlag, 0, 1, &T::toneActive};
inline constexpr FieldInfo relay{"relay",  "Relay", "", G::kFunctionTable,
                                 K::kText, 0,       0,  &T::relay};
inline constexpr FieldInfo relayGroup{
    "relayGroup", "Relay Group", "", G::kFunctionTable, K::kNumber, 1, 4, &T::relayGroup};
inline constexpr FieldInfo relayDurationMs{
    "relayDurationMs",  "Relay Duration", "ms", G::kFunctionTable, K::kNumber, 0, 30000,
    &T::relayDurationMs};
inline constexpr FieldInfo digitalOutput{
    "digitalOutput", "Digital Output", "", G::kFunctionTable, K::kNumber, 0, 63, &T::digitalOutput};
inline constexpr FieldInfo ctcssCode{
    "ctcssCode", "CTCSS Freq", "", G::kFunctionTable, K::kNumber, 0, 64, &T::ctcssCode};
inline constexpr FieldInfo useDefaultCtcss{
    "useDefaultCtcss",  "Use Default CTCSS", "", G::kFunctionTable, K::kFlag, 0, 1,
    &T::useDefaultCtcss};

}  // namespace fields

// Every field, main-window group first, then the dialog group, then the table's seven.
std::span<const FieldInfo* const> AllFields();

// The field whose member is called `name`, or nullptr.
const FieldInfo* FindField(std::string_view name);

}  // namespace tqr417
