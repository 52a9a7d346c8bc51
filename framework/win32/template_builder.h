#pragma once
// Builds the in-memory extended dialog template (DLGTEMPLATEEX) of a DialogTemplate: the
// window's and each control's position in dialog units as the template gives them, the
// template's font, and each control as the standard Windows control with its id and styles.

#include <vector>

#include "framework/dialog_template.h"
#include "framework/win_types.h"

namespace tqr417::fw {

// The window styles of a template control (WS_ and the class's own styles).
DWORD ControlStyle(const ControlTemplate& control);
// The template as DLGTEMPLATEEX bytes, DWORD-aligned, for DialogBoxIndirectParamW and
// CreateDialogIndirectParamW.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate);

}  // namespace tqr417::fw
