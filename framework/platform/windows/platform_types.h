#pragma once
// On Windows the dialog layer's Windows-named types and constants (TRUE, IDOK, MB_OK, DWORD,
// the notification, scroll and menu codes, the OFN_ flags) are the system's own.

#include <windows.h>
// The OFN_ flags; commdlg.h needs <windows.h> first.
#include <commdlg.h>
