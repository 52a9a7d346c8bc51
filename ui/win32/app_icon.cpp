// The application's icon on Windows is resource 128 of the program itself (tqr417.rc, made
// from tools/icon/make_app_icon.py), which the backend loads by number, and Windows finds the
// program's shortcut by its file: nothing to register.

#include "ui/app_icon.h"

namespace tqr417::ui {

void RegisterAppIdentity() {}

}  // namespace tqr417::ui
