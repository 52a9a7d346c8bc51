#pragma once
// The application icon, resource 128, drawn by code at the usual icon sizes with Qt. Only the
// Qt build compiles this; the application registers it with the framework through
// tqr417::ui::RegisterAppIdentity (ui/app_icon.h).

#include <QIcon>

class QPainter;

namespace tqr417::res {

// The icon with this resource number; a null icon when there is none.
QIcon LoadAppIcon(int iconId = 128);

// Paints the application icon into the square (0, 0, side, side) of `painter`'s device.
// The one drawing of the icon: the program's icon and the icon files that the package
// installs (tools/icon) are both made by it.
void PaintAppIcon(QPainter& painter, double side);

}  // namespace tqr417::res
