#pragma once
// What identifies the application to the desktop: its icon (resource 128), registered with
// the framework before the first window that shows it (the main window, the About box) is
// made, and the menu entry its windows belong to.

namespace tqr417::ui {

// Registers the icon (ui/<toolkit>/app_icon.cpp) under IDR_MAINFRAME and, where the
// desktop matches windows to menu entries by an id (a Wayland compositor by the app_id), names
// the application's desktop entry.
void RegisterAppIdentity();

}  // namespace tqr417::ui
