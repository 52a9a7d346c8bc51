#pragma once
// The one complete configuration of a TQR-417 and the application state beside it.
//
// Every number, flag and radio choice is a 32-bit signed integer; a flag is 0 or 1,
// a choice is the index of the selected button (-1 for none). Texts are strings of
// 8-bit characters held in std::string, byte for byte.

#include <array>
#include <string>

#include "config/com_port.h"

namespace tqr417 {

inline constexpr int kEntryCount = 100;

template <typename T>
using EntryArray = std::array<T, kEntryCount>;

// Settings shown directly in the main window; the main window binds these as its members.
struct MainWindowSettings {
  int toneMode = 0;         // 0 Single, 1 Dual
  int ctcssToneMode = 0;    // 0 PTT Only, 1 Always On
  int lineDtmfDisable = 0;  // 1 = decoder disabled
  int audioLoopback = 0;
  int repeaterMode = 0;
  int revertToR1 = 0;
  int pttToneOnly = 0;
  int pttRelayOption = 0;  // 0 none, 1 F1 also on PTT, 2 F2 also on PTT
  int monRelayMode = 0;    // 0 Reset on PTT, 1 Always except PTT, 2 Momentary
  int monMomentaryMs = 0;
  int errorBeeps = 0;
  std::string pttFrequency;  // Hz as text, carried as its atoi value

  friend bool operator==(const MainWindowSettings&, const MainWindowSettings&) = default;
};

// Application-wide settings, each edited by one setting dialog.
struct DialogSettings {
  int sidetoneGain = 0;
  int radioTxGain = 0;
  int lineTxGain = 0;
  int ctcssGain = 0;
  int morseAutoMode = 0;  // 0 End of Each PTT, 1 Timer Interval
  int morseIntervalMin = 0;
  int morseFreq = 0;  // Hz
  int morseGain = 0;  // dBm
  std::string morseText;
  int txAgc = 0;
  int txAddCtcss = 0;
  int txPreEmphasis = 0;
  int txLowPass = 0;
  int voxLevel = 0;  // dBm
  int voxTimeoutSec = 0;
  int callTimeoutMin = 0;
  int holdToneAlways = 0;
  int phoneInstalled = 0;
  int dig5Enable = 0;
  int dig5ActiveHigh = 0;
  int dig5R1 = 0;
  int dig5R2 = 0;
  int dig5ToneFreq = 0;   // Hz
  int dig5ToneLevel = 0;  // dBm
  int dig5OnMs = 0;
  int dig5OffMs = 0;
  int dig4Enable = 0;
  int dig4ActiveHigh = 0;
  int dig4RxMute = 0;
  int dig4RevertF1 = 0;
  int dig4RevertSec = 0;
  int dig4R1 = 0;
  int dig4R2 = 0;

  friend bool operator==(const DialogSettings&, const DialogSettings&) = default;
};

// The seven values of one decodable function.
struct FunctionEntry {
  int toneActive = 0;
  std::string relay;
  int relayGroup = 0;
  int relayDurationMs = 0;
  int digitalOutput = 0;
  int ctcssCode = 0;
  int useDefaultCtcss = 0;

  friend bool operator==(const FunctionEntry&, const FunctionEntry&) = default;
};

// The 100 decodable functions, held as seven parallel arrays indexed by entry number.
struct FunctionTable {
  // The values of entry k, 0 to 99, gathered from the seven arrays.
  FunctionEntry Entry(int k) const {
    return {toneActive.at(k),    relay.at(k),     relayGroup.at(k),     relayDurationMs.at(k),
            digitalOutput.at(k), ctcssCode.at(k), useDefaultCtcss.at(k)};
  }

  EntryArray<int> toneActive{};
  EntryArray<std::string> relay{};  // "R01", "R02" or empty for no relay
  EntryArray<int> relayGroup{};
  EntryArray<int> relayDurationMs{};
  EntryArray<int> digitalOutput{};
  EntryArray<int> ctcssCode{};
  EntryArray<int> useDefaultCtcss{};

  friend bool operator==(const FunctionTable&, const FunctionTable&) = default;
};

struct UnitConfig {
  MainWindowSettings main;
  DialogSettings dialog;
  FunctionTable functionTable;

  friend bool operator==(const UnitConfig&, const UnitConfig&) = default;
};

// Neither saved nor sent; lives for the whole run. The application starts on Com1; the main
// window sets windowTop and scrollMax for its tone mode when it opens.
struct AppState {
  ComPort comPort = ComPort::kCom1;  // the port the transfers open
  int windowTop = 0;                 // entry shown in the grid's first row
  int scrollMax = 0;                 // 7 in Single tone mode, 90 in Dual
};

}  // namespace tqr417
