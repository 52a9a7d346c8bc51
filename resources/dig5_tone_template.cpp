// Template 135: the tone function of digital input 5. Frequency and level share one row
// under a single label.

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

const TemplateRegistration kDig5Tone{DialogTemplate{
    .id = IDD_DIG5_TONE,
    .caption = "Dig5 Input Tone Setup",
    .width = 229,
    .height = 110,
    .controls =
        {
            {1, K::kDefPushButton, "OK", 29, 89, 50, 14, s::kGroup | s::kTabStop, {}},
            {2, K::kPushButton, "Cancel", 131, 89, 50, 14, s::kTabStop, {}},
            {IDC_DIG5_ENABLE,
             K::kCheckBox,
             "Enable Tone on Dig5 Input",
             18,
             15,
             101,
             10,
             s::kTabStop,
             {}},
            {IDC_DIG5_ACTIVE_HIGH, K::kCheckBox, "Active High", 18, 30, 53, 10, s::kTabStop, {}},
            {IDC_DIG5_FREQ, K::kEdit, "", 108, 43, 25, 12, s::kTabStop, {}},
            {kStatic, K::kStaticText, "Hz", 136, 47, 10, 8, s::kCentre, {}},
            {IDC_DIG5_LEVEL, K::kEdit, "", 151, 43, 25, 12, s::kTabStop, {}},
            {kStatic, K::kStaticText, "dBm", 178, 47, 15, 8, s::kCentre, {}},
            {kStatic, K::kStaticText, "Tone Frequency and Level:", 18, 45, 88, 8, s::kNone, {}},
            {kStatic, K::kStaticText, "Tone On Time:", 18, 58, 48, 8, s::kRight, {}},
            {IDC_DIG5_ON_MS, K::kEdit, "", 108, 57, 25, 12, s::kTabStop, {}},
            {kStatic, K::kStaticText, "ms", 136, 60, 10, 8, s::kNone, {}},
            {kStatic, K::kStaticText, "Tone Off Time:", 18, 71, 48, 8, s::kRight, {}},
            {IDC_DIG5_OFF_MS, K::kEdit, "", 108, 71, 25, 12, s::kTabStop, {}},
            {kStatic, K::kStaticText, "ms", 136, 73, 10, 8, s::kNone, {}},
            {IDC_DIG5_R1, K::kCheckBox, "R1", 73, 30, 25, 10, s::kTabStop, {}},
            {IDC_DIG5_R2, K::kCheckBox, "R2", 101, 30, 25, 10, s::kTabStop, {}},
        },
}};

}  // namespace
}  // namespace tqr417::res
