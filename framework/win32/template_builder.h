#pragma once
// The in-memory extended dialog template (DLGTEMPLATEEX) of a DialogTemplate: its positions
// in dialog units, its font, each control as the standard Windows control with its styles.

#include <vector>

#include "framework/dialog_template.h"
#include "framework/win_types.h"

namespace tqr417::fw {

// The template as DLGTEMPLATEEX bytes, DWORD-aligned, for DialogBoxIndirectParamW and
// CreateDialogIndirectParamW.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate);

}  // namespace tqr417::fw
