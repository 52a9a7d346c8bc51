// Template 134: VOX and call time-outs and the telephone options.

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

constexpr unsigned kBoxStyle = s::kLeftText | s::kTabStop;

const TemplateRegistration kVox{DialogTemplate{
    .id = IDD_VOX,
    .caption = "Dialog",
    .width = 203,
    .height = 103,
    .controls =
        {
            {1, K::kDefPushButton, "OK", 146, 7, 50, 14, s::kGroup | s::kTabStop, {}},
            {2, K::kPushButton, "Cancel", 146, 24, 50, 14, s::kTabStop, {}},
            {kStatic, K::kStaticText, "VOX Trigger Level:", 15, 15, 61, 8, s::kNone, {}},
            {IDC_VOX_LEVEL, K::kEdit, "", 78, 13, 40, 14, s::kTabStop, {}},
            {kStatic, K::kStaticText, "dBm", 122, 15, 15, 9, s::kNone, {}},
            {kStatic, K::kStaticText, "VOX Timeout:", 15, 34, 45, 8, s::kNone, {}},
            {IDC_VOX_TIMEOUT, K::kEdit, "", 78, 32, 40, 14, s::kTabStop, {}},
            {kStatic, K::kStaticText, "sec", 122, 34, 15, 9, s::kNone, {}},
            {kStatic, K::kStaticText, "Call Timeout:", 15, 53, 42, 8, s::kNone, {}},
            {IDC_VOX_CALL_TIMEOUT, K::kEdit, "", 78, 50, 40, 14, s::kTabStop, {}},
            {kStatic, K::kStaticText, "min", 122, 53, 15, 9, s::kNone, {}},
            {IDC_VOX_HOLD_TONE,
             K::kCheckBox,
             "Always Send Hold Tone:",
             21,
             69,
             97,
             10,
             kBoxStyle,
             {}},
            {IDC_VOX_PHONE,
             K::kCheckBox,
             "Phone Interface Installed:",
             21,
             81,
             97,
             10,
             kBoxStyle,
             {}},
        },
}};

}  // namespace
}  // namespace tqr417::res
