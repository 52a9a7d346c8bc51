// Template 136: digital input 4 as a COR input, with the revert-to-F1 timer.

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

const TemplateRegistration kDig4Cor{DialogTemplate{
    .id = IDD_DIG4_COR,
    .caption = "Dig4 Input COR Setup",
    .width = 228,
    .height = 87,
    .controls =
        {
            {1, K::kDefPushButton, "OK", 171, 7, 50, 14, s::kGroup | s::kTabStop, {}},
            {2, K::kPushButton, "Cancel", 171, 24, 50, 14, s::kTabStop, {}},
            {IDC_DIG4_RX_MUTE, K::kCheckBox, "RX Mute on Input", 19, 43, 72, 10, s::kTabStop, {}},
            {IDC_DIG4_ACTIVE_HIGH, K::kCheckBox, "Active High", 19, 30, 53, 10, s::kTabStop, {}},
            {IDC_DIG4_REVERT,
             K::kCheckBox,
             "Revert to F1 on Timer",
             19,
             56,
             85,
             10,
             s::kTabStop,
             {}},
            {IDC_DIG4_REVERT_SEC, K::kEdit, "", 105, 53, 24, 14, s::kTabStop, {}},
            {kStatic, K::kStaticText, "sec", 133, 56, 12, 8, s::kNone, {}},
            {IDC_DIG4_ENABLE,
             K::kCheckBox,
             "Enable Dig4 as COR Input",
             19,
             17,
             99,
             10,
             s::kTabStop,
             {}},
            {IDC_DIG4_R1, K::kCheckBox, "R1", 77, 30, 25, 10, s::kTabStop, {}},
            {IDC_DIG4_R2, K::kCheckBox, "R2", 105, 30, 25, 10, s::kTabStop, {}},
        },
}};

}  // namespace
}  // namespace tqr417::res
