// Template 100: the About box.

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

// clang-format off
const TemplateRegistration kAboutBox{DialogTemplate{
    .id = IDD_ABOUTBOX,
    .caption = "About TQR-417",
    .width = 235,
    .height = 55,
    .controls = {
        // id      kind               caption                       x   y    w   h  flags
        {kStatic,  K::kIcon,          "128",                        11, 17,  20, 20, s::kNone, {}},
        {kStatic,  K::kStaticText,    "TQR-417 Configuration Application Version 1.0",
                                                                    40, 10, 130, 18, s::kNone, {}},
        {kStatic,  K::kStaticText,    "Sets up the TQR-417 over its serial line.",
                                                                    40, 32, 130, 16, s::kNone, {}},
        {1,        K::kDefPushButton, "OK",                        178,  7,  50, 14,
         s::kGroup | s::kTabStop, {}},
    },
}};
// clang-format on

}  // namespace
}  // namespace tqr417::res
