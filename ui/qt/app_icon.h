#pragma once
// The application icon, resource 128, at the usual icon sizes. Only the Qt build compiles
// this; the application registers it with the framework through
// tqr417::ui::RegisterAppIdentity (ui/app_icon.h).

#include <QIcon>

namespace tqr417::res {

// The icon with this resource number; a null icon when there is none. Its images are made at
// build time from the icon's one drawing, tools/icon/make_app_icon.py, as are the Windows
// .ico and the icon theme files the package installs.
QIcon LoadAppIcon(int iconId = 128);

}  // namespace tqr417::res
