// Template 133: the transmit audio switches, each caption on the left of its box.

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

const TemplateRegistration kTxAudio{DialogTemplate{
    .id = IDD_TX_AUDIO,
    .caption = "TX Audio Parameters",
    .width = 181,
    .height = 78,
    .controls =
        {
            {1, K::kDefPushButton, "OK", 124, 7, 50, 14, s::kGroup | s::kTabStop, {}},
            {2, K::kPushButton, "Cancel", 124, 24, 50, 14, s::kTabStop, {}},
            {IDC_TX_AGC, K::kCheckBox, "AGC:", 19, 14, 92, 10, kBoxStyle, {}},
            {IDC_TX_ADD_CTCSS, K::kCheckBox, "Add CTCSS to TX:", 19, 27, 92, 10, kBoxStyle, {}},
            {IDC_TX_PRE_EMPHASIS,
             K::kCheckBox,
             "Pre-Emphasize Audio:",
             19,
             40,
             92,
             10,
             kBoxStyle,
             {}},
            {IDC_TX_LOW_PASS,
             K::kCheckBox,
             "3.5kHz Low Pass Filter:",
             19,
             53,
             92,
             10,
             kBoxStyle,
             {}},
        },
}};

}  // namespace
}  // namespace tqr417::res
