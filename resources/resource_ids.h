#pragma once
// Numbers of the dialog templates, strings and icons, and the commands they carry.
// Control ids of each window are given beside its template.

namespace tqr417::res {

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_SETUP_DIALOG = 102;
inline constexpr int IDD_PORT = 103;
inline constexpr int IDD_GAIN = 131;
inline constexpr int IDD_MORSE = 132;
inline constexpr int IDD_TX_AUDIO = 133;
inline constexpr int IDD_VOX = 134;
inline constexpr int IDD_DIG5_TONE = 135;
inline constexpr int IDD_DIG4_COR = 136;

// Strings.
inline constexpr int IDS_ABOUTBOX = 101;  // "&About tqr417..."

// Icons.
inline constexpr int IDR_MAINFRAME = 128;  // the application icon

// System menu command of the About item.
inline constexpr unsigned IDM_ABOUTBOX = 16;

}  // namespace tqr417::res
