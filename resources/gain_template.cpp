// Template 131: the four audio gains, each edit followed by its right-aligned label.

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

const TemplateRegistration kGain{DialogTemplate{
    .id = IDD_GAIN,
    .caption = "TQR-417 Gain Settings",
    .width = 217,
    .height = 98,
    .controls =
        {
            {1, K::kDefPushButton, "OK", 160, 7, 50, 14, s::kGroup | s::kTabStop, {}},
            {2, K::kPushButton, "Cancel", 160, 24, 50, 14, s::kTabStop, {}},
            {IDC_GAIN_SIDETONE, K::kEdit, "", 95, 15, 43, 13, s::kTabStop, {}},
            {kStatic, K::kStaticText, "Handset Sidetone Gain", 13, 18, 74, 8, s::kRight, {}},
            {IDC_GAIN_RADIO_TX, K::kEdit, "", 95, 32, 43, 13, s::kTabStop, {}},
            {kStatic, K::kStaticText, "Radio TX Gain", 13, 35, 74, 8, s::kRight, {}},
            {IDC_GAIN_LINE_TX, K::kEdit, "", 95, 49, 43, 13, s::kTabStop, {}},
            {kStatic, K::kStaticText, "Line TX Gain", 13, 52, 74, 8, s::kRight, {}},
            {IDC_GAIN_CTCSS, K::kEdit, "", 95, 66, 43, 13, s::kTabStop, {}},
            {kStatic, K::kStaticText, "CTCSS Gain", 13, 69, 74, 8, s::kRight, {}},
        },
}};

}  // namespace
}  // namespace tqr417::res
