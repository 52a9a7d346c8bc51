#pragma once
// Rules that follow from a template's order and flags: radio groups, the default button,
// accessible names and the text a caption shows.

#include <string>
#include <vector>

#include "framework/dialog_template.h"

namespace tqr417::fw {

// Indices of the radio buttons of the group that starts at control `firstIndex`: from that
// control up to (not including) the next control that starts a group, radio buttons only.
std::vector<int> RadioGroupFrom(const fw::DialogTemplate& dialogTemplate, int firstIndex);

// The radio group that control `index` belongs to: the one starting at the nearest control at
// or before it that starts a group (the first control when none does).
std::vector<int> RadioGroupOf(const fw::DialogTemplate& dialogTemplate, int index);

// Push buttons, check boxes and radio buttons: the controls that a click presses.
bool IsButton(ControlKind kind);
bool IsCombo(ControlKind kind);  // either combo box
// False for the controls that never take the focus: labels, frames and icons.
bool TakesFocus(ControlKind kind);

// Index of the default push button, -1 when the template has none.
int DefaultButtonIndex(const fw::DialogTemplate& dialogTemplate);

// The caption as shown: a single '&' (the mnemonic mark) is dropped, "&&" shows one '&'.
std::string DisplayCaption(const std::string& caption);

// The name assistive technology reads for control `index`: its own caption when it has one;
// otherwise the static text beside it: on its line to its left, else just above it, else the
// static text right before it in template order. Empty when there is none.
std::string DefaultAccessibleName(const fw::DialogTemplate& dialogTemplate, int index);

}  // namespace tqr417::fw
