#pragma once
// Numbers of the dialog templates, strings and icons, and the commands they carry.
// Control ids of each window are given beside its template.

#include <array>

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

// Controls of the setting dialogs. Several dialogs reuse the same numbers, so each name carries
// its dialog. Buttons 1 (OK) and 2 (Cancel) are IDOK and IDCANCEL.
namespace tqr417::res {

// IDD_PORT
inline constexpr int IDC_PORT_COM1 = 1089;  // first button of the port radio group
inline constexpr int IDC_PORT_COM2 = 1090;

// IDD_GAIN
inline constexpr int IDC_GAIN_SIDETONE = 1090;
inline constexpr int IDC_GAIN_RADIO_TX = 1091;
inline constexpr int IDC_GAIN_LINE_TX = 1092;
inline constexpr int IDC_GAIN_CTCSS = 1093;

// IDD_MORSE
inline constexpr int IDC_MORSE_END_OF_PTT = 1091;  // first button of the auto-transmit group
inline constexpr int IDC_MORSE_TIMER = 1092;
inline constexpr int IDC_MORSE_INTERVAL = 1093;
inline constexpr int IDC_MORSE_FREQ = 1094;
inline constexpr int IDC_MORSE_TEXT = 1095;
inline constexpr int IDC_MORSE_GAIN = 1096;

// IDD_TX_AUDIO
inline constexpr int IDC_TX_AGC = 1096;
inline constexpr int IDC_TX_ADD_CTCSS = 1097;
inline constexpr int IDC_TX_PRE_EMPHASIS = 1098;
inline constexpr int IDC_TX_LOW_PASS = 1099;

// IDD_VOX
inline constexpr int IDC_VOX_LEVEL = 1097;
inline constexpr int IDC_VOX_TIMEOUT = 1098;
inline constexpr int IDC_VOX_CALL_TIMEOUT = 1099;
inline constexpr int IDC_VOX_HOLD_TONE = 1100;
inline constexpr int IDC_VOX_PHONE = 1102;

// IDD_DIG5_TONE
inline constexpr int IDC_DIG5_LEVEL = 1098;
inline constexpr int IDC_DIG5_FREQ = 1099;
inline constexpr int IDC_DIG5_ON_MS = 1100;
inline constexpr int IDC_DIG5_OFF_MS = 1101;
inline constexpr int IDC_DIG5_ENABLE = 1103;
inline constexpr int IDC_DIG5_ACTIVE_HIGH = 1104;
inline constexpr int IDC_DIG5_R1 = 1105;
inline constexpr int IDC_DIG5_R2 = 1106;

// IDD_DIG4_COR
inline constexpr int IDC_DIG4_RX_MUTE = 1115;
inline constexpr int IDC_DIG4_ACTIVE_HIGH = 1116;
inline constexpr int IDC_DIG4_REVERT = 1117;
inline constexpr int IDC_DIG4_ENABLE = 1118;
inline constexpr int IDC_DIG4_REVERT_SEC = 1119;
inline constexpr int IDC_DIG4_R1 = 1120;
inline constexpr int IDC_DIG4_R2 = 1121;

// ---- Main window (template 102) -------------------------------------------------------
// The grid's controls, one id per row from the top (row 1 first), and the window's other
// controls.
namespace setup {

inline constexpr std::array<int, 10> kLabelIds{1001, 1002, 1003, 1004, 1005,
                                               1006, 1007, 1008, 1009, 1010};
inline constexpr std::array<int, 10> kToneActiveIds{1016, 1100, 1106, 1107, 1108,
                                                    1109, 1110, 1111, 1112, 1113};
inline constexpr std::array<int, 10> kRelayIds{1011, 1030, 1031, 1032, 1033,
                                               1034, 1035, 1036, 1037, 1038};
inline constexpr std::array<int, 10> kGroupIds{1039, 1040, 1041, 1042, 1043,
                                               1044, 1045, 1046, 1047, 1048};
inline constexpr std::array<int, 10> kDurationIds{1012, 1049, 1050, 1051, 1052,
                                                  1053, 1054, 1055, 1056, 1057};
inline constexpr std::array<int, 10> kDigitalOutputIds{1058, 1059, 1060, 1061, 1062,
                                                       1063, 1064, 1065, 1066, 1067};
inline constexpr std::array<int, 10> kCtcssIds{1068, 1069, 1070, 1071, 1072,
                                               1073, 1074, 1075, 1076, 1077};
inline constexpr std::array<int, 10> kUseDefaultCtcssIds{1013, 1078, 1079, 1080, 1081,
                                                         1082, 1083, 1084, 1085, 1086};

inline constexpr int IDC_SINGLE = 1014;
inline constexpr int IDC_DUAL = 1015;
inline constexpr int IDC_MON_RESET_ON_PTT = 1019;
inline constexpr int IDC_MON_MOMENTARY = 1020;
inline constexpr int IDC_MON_MOMENTARY_MS = 1021;
inline constexpr int IDC_MON_ALWAYS_EXCEPT_PTT = 1022;
inline constexpr int IDC_CTCSS_PTT_ONLY = 1023;
inline constexpr int IDC_SCROLLBAR = 1024;
inline constexpr int IDC_SEND = 1025;
inline constexpr int IDC_RECV = 1026;
inline constexpr int IDC_LOAD = 1027;
inline constexpr int IDC_SAVE = 1028;
inline constexpr int IDC_EXIT = 1029;
inline constexpr int IDC_COM_PORT = 1087;
inline constexpr int IDC_CTCSS_ALWAYS_ON = 1088;
inline constexpr int IDC_PTT_NO_RELAYS = 1089;
inline constexpr int IDC_PTT_F1 = 1090;
inline constexpr int IDC_PTT_F2 = 1091;
inline constexpr int IDC_SET_GAINS = 1092;
inline constexpr int IDC_MORSE = 1093;
inline constexpr int IDC_TX_FILTERS = 1094;
inline constexpr int IDC_REPEATER_MODE = 1095;
inline constexpr int IDC_REVERT_TO_R1 = 1096;
inline constexpr int IDC_DUZO = 1097;
inline constexpr int IDC_DIG5 = 1098;
inline constexpr int IDC_DIG4 = 1099;
inline constexpr int IDC_LINE_DTMF_DISABLE = 1101;
inline constexpr int IDC_AUDIO_LOOPBACK = 1102;
inline constexpr int IDC_PTT_TONE_ONLY = 1105;
inline constexpr int IDC_ERROR_BEEPS = 1114;
inline constexpr int IDC_PTT_FREQUENCY = 1117;

// The buttons that open a setting dialog, with the template of the dialog each one opens.
struct DialogButton {
  int buttonId;
  int templateId;
};
inline constexpr DialogButton kDialogButtons[] = {
    {IDC_SET_GAINS, IDD_GAIN},      {IDC_COM_PORT, IDD_PORT}, {IDC_MORSE, IDD_MORSE},
    {IDC_TX_FILTERS, IDD_TX_AUDIO}, {IDC_DUZO, IDD_VOX},      {IDC_DIG5, IDD_DIG5_TONE},
    {IDC_DIG4, IDD_DIG4_COR},
};

}  // namespace setup

}  // namespace tqr417::res
