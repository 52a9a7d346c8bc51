#pragma once
// Makes the Qt widget of one template control, placed and styled as the template says.

#include <QWidget>

#include "framework/dialog_template.h"
#include "framework/dialog_units.h"

namespace tqr417::fw {

// The widget for `control`, a child of `parent` at its pixel position. Hidden and disabled
// flags, tab stops, combo items, alignment and edit rules (an EditValidator) are applied;
// radio buttons are not auto-exclusive (the dialog keeps each group to one selection).
QWidget* CreateControl(const fw::ControlTemplate& control, QWidget* parent,
                       const DialogUnits& units);

// The edit field of a control: the line edit itself, or a combo box's edit field; nullptr
// for other controls.
class EditValidator;
EditValidator* ValidatorOf(QWidget* control);

// The height given to combo boxes (whose template height includes the dropped list).
inline constexpr int kComboFieldHeightDlu = 13;

}  // namespace tqr417::fw
