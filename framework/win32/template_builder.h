#pragma once
// A DialogTemplate in the system's terms: the dialog window as an in-memory extended dialog
// template (DLGTEMPLATEEX: styles, size in dialog units, caption, font; no controls), and each
// control as the standard Windows control of its kind, made in that window.

#include <vector>

#include "framework/dialog_template.h"
#include "framework/win_types.h"

namespace tqr417::fw {

// The dialog window as DLGTEMPLATEEX words, for DialogBoxIndirectParamW and
// CreateDialogIndirectParamW.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate);

// Makes `control` in `dialog` as the dialog manager makes a template's item: placed by the
// dialog's own dialog units, in the dialog's font, the default push button named the dialog's
// default. Made in template order, the controls keep it as the order of the dialog's children,
// which Tab and the arrow keys' groups follow. nullptr when the system cannot make it.
HWND CreateControl(HWND dialog, const ControlTemplate& control);

}  // namespace tqr417::fw
