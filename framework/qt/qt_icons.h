#pragma once
// The icons an application registers with the Qt backend, by resource number.

#include <QIcon>

namespace tqr417::fw {

// Registers the drawing of icon `iconId`; a second registration replaces the first.
void RegisterIcon(int iconId, QIcon (*draw)(int iconId));
// The registered icon with this number, a null icon when there is none.
QIcon QtIcon(int iconId);

}  // namespace tqr417::fw
