#pragma once
// The dialog layer's Windows-named types and constants where there is no <windows.h>: the
// same names with the same values, so that windows and tests read alike on every system.

#include <cstdint>

using BOOL = int;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using LPARAM = std::intptr_t;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Results of DoModal and ids of the standard buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Message box buttons and icons (AfxMessageBox).
inline constexpr UINT MB_OK = 0x00;
inline constexpr UINT MB_YESNO = 0x04;
inline constexpr UINT MB_ICONHAND = 0x10;  // stop sign
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr UINT MB_ICONMASK = 0xF0;
inline constexpr UINT MB_TYPEMASK = 0x0F;

// Control notifications, used with CDialog::AddHandler.
inline constexpr UINT BN_CLICKED = 0;         // button, check box or radio button clicked
inline constexpr UINT CBN_SELCHANGE = 1;      // combo box: the user chose another item
inline constexpr UINT CBN_KILLFOCUS = 4;      // combo box lost the keyboard focus
inline constexpr UINT EN_KILLFOCUS = 0x0200;  // edit lost the keyboard focus

// Vertical scroll request codes passed to CDialog::OnVScroll.
inline constexpr UINT SB_LINEUP = 0;
inline constexpr UINT SB_LINEDOWN = 1;
inline constexpr UINT SB_PAGEUP = 2;
inline constexpr UINT SB_PAGEDOWN = 3;
inline constexpr UINT SB_THUMBPOSITION = 4;  // thumb released at the position given
inline constexpr UINT SB_THUMBTRACK = 5;     // thumb being dragged, at the position given
inline constexpr UINT SB_TOP = 6;
inline constexpr UINT SB_BOTTOM = 7;
inline constexpr UINT SB_ENDSCROLL = 8;  // follows every scroll action

// System menu commands and menu item flags.
inline constexpr UINT SC_CLOSE = 0xF060;
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_SEPARATOR = 0x0800;

// CFileDialog flags.
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x0002;  // the save chooser asks before replacing
inline constexpr DWORD OFN_HIDEREADONLY = 0x0004;     // no read-only option
