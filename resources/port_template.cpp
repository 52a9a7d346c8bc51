// Template 103: the serial port choice. It has no Cancel button; Esc and the close box cancel.

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

const TemplateRegistration kPort{DialogTemplate{
    .id = IDD_PORT,
    .caption = "Serial Commincations Port Select",
    .width = 146,
    .height = 55,
    .controls =
        {
            {1, K::kDefPushButton, "OK", 76, 20, 50, 14, s::kGroup | s::kTabStop, {}},
            {IDC_PORT_COM1, K::kRadioButton, "Com 1", 15, 14, 36, 10, s::kGroup | s::kTabStop, {}},
            {IDC_PORT_COM2, K::kRadioButton, "Com 2", 15, 31, 36, 10, s::kNone, {}},
        },
}};

}  // namespace
}  // namespace tqr417::res
