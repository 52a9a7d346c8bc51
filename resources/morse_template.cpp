// Template 132: Morse code identification. The interval edit sits inside the radio group's
// frame; the "min" label after it starts a new group, which closes the radio group.

#include "framework/dialog_template.h"
#include "resources/resource_ids.h"

namespace tqr417::res {
namespace {

using fw::ControlTemplate;
using fw::DialogTemplate;
using fw::kStatic;
using fw::TemplateRegistration;
using K = fw::ControlKind;
namespace s = fw::style;

const TemplateRegistration kMorse{DialogTemplate{
    .id = IDD_MORSE,
    .caption = "Morse Code Encoder Setup",
    .width = 181,
    .height = 161,
    .controls =
        {
            {1, K::kDefPushButton, "OK", 124, 7, 50, 14, s::kGroup | s::kTabStop, {}},
            {2, K::kPushButton, "Cancel", 124, 24, 50, 14, s::kTabStop, {}},
            {kStatic, K::kGroupBox, "Auto Transmit Options", 17, 13, 88, 57, s::kNone, {}},
            {IDC_MORSE_END_OF_PTT,
             K::kRadioButton,
             "End of Each PTT",
             22,
             24,
             71,
             10,
             s::kGroup | s::kTabStop,
             {}},
            {IDC_MORSE_TIMER, K::kRadioButton, "Timer Interval", 22, 37, 59, 10, s::kNone, {}},
            {IDC_MORSE_INTERVAL, K::kEdit, "", 55, 50, 23, 14, s::kTabStop, {}},
            {kStatic, K::kStaticText, "min", 83, 50, 12, 8, s::kGroup, {}},
            {kStatic, K::kStaticText, "Morse Code Frequency:", 17, 78, 76, 8, s::kNone, {}},
            {IDC_MORSE_FREQ, K::kEdit, "", 97, 75, 31, 14, s::kTabStop, {}},
            {kStatic, K::kStaticText, "Hz", 131, 79, 10, 8, s::kNone, {}},
            {kStatic, K::kStaticText, "Morse Code Gain:", 18, 100, 58, 8, s::kNone, {}},
            {IDC_MORSE_GAIN, K::kEdit, "", 98, 97, 31, 14, s::kTabStop, {}},
            {kStatic, K::kStaticText, "dBm", 132, 101, 15, 8, s::kNone, {}},
            {kStatic, K::kStaticText, "Morse Code String:", 18, 116, 61, 8, s::kNone, {}},
            {IDC_MORSE_TEXT, K::kEdit, "", 18, 126, 131, 14, s::kUpperCase | s::kTabStop, {}},
        },
}};

}  // namespace
}  // namespace tqr417::res
