#pragma once
// Basic types and constants of the dialog layer, in the terms the windows use: BOOL, UINT,
// DWORD, LPARAM, TRUE, the IDOK and MB_ codes, notifications, scroll and menu codes. They
// come from the platform's header, which CMake chooses (framework/platform/): <windows.h>
// itself on Windows, definitions of the same values elsewhere.

#include "platform_types.h"

namespace tqr417::fw {

// An icon resource of the application, known by its number; the toolkit draws the icon that
// the application registered under that number. 0: no icon.
using IconId = int;

}  // namespace tqr417::fw
