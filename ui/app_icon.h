#pragma once
// The application's icon (resource 128): registered with the framework before the first
// window that shows it (the main window, the About box) is made.

namespace tqr417::ui {

// Registers the icon's drawing (ui/<toolkit>/app_icon.cpp) under IDR_MAINFRAME.
void RegisterAppIcon();

}  // namespace tqr417::ui
