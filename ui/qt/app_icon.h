#pragma once
// The application icon, resource 128, drawn by code at the usual icon sizes with Qt. Only the
// Qt build compiles this; the application registers it with the framework through
// tqr417::ui::RegisterAppIcon (ui/app_icon.h).

#include <QIcon>

namespace tqr417::res {

// The icon with this resource number; a null icon when there is none.
QIcon LoadAppIcon(int iconId = 128);

}  // namespace tqr417::res
