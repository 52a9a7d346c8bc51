// The application's icon on Windows is resource 128 of the program itself (tqr417.rc, made
// from make_icon.py's drawing), which the backend loads by number: nothing to register.

#include "ui/app_icon.h"

namespace tqr417::ui {

void RegisterAppIcon() {}

}  // namespace tqr417::ui
