#include "config/defaults.h"

namespace tqr417 {

void SetTableDefaults(FunctionTable& table) {
  for (int k = 0; k < kEntryCount; ++k) {
    table.toneActive[k] = 1;
    table.relay[k].clear();
    table.relayGroup[k] = 1;
    table.relayDurationMs[k] = 0;
    table.digitalOutput[k] = k % 64;
    table.ctcssCode[k] = 0;
    table.useDefaultCtcss[k] = 0;
  }
}

void SetDialogDefaults(DialogSettings& d) {
  d.sidetoneGain = 0;
  d.radioTxGain = 0;
  d.lineTxGain = 0;
  d.ctcssGain = 0;
  d.morseAutoMode = 1;
  d.morseIntervalMin = 0;
  d.morseFreq = 1200;
  d.morseGain = -10;
  d.morseText.clear();
  d.txAgc = 0;
  d.txAddCtcss = 0;
  d.txPreEmphasis = 0;
  d.txLowPass = 0;
  d.voxLevel = -10;
  d.voxTimeoutSec = 120;
  d.callTimeoutMin = 600;  // outside what the VOX dialog accepts; kept as the unit expects it
  d.holdToneAlways = 0;
  d.phoneInstalled = 0;
  d.dig5Enable = 0;
  d.dig5ActiveHigh = 1;
  d.dig5R1 = 0;
  d.dig5R2 = 0;
  d.dig5ToneFreq = 2175;
  d.dig5ToneLevel = -20;
  d.dig5OnMs = 0;
  d.dig5OffMs = 0;
  d.dig4Enable = 0;
  d.dig4ActiveHigh = 0;
  d.dig4RxMute = 0;
  d.dig4RevertF1 = 0;
  d.dig4RevertSec = 0;
  d.dig4R1 = 0;
  d.dig4R2 = 0;
}

void SetMainWindowStartupValues(MainWindowSettings& m) {
  m.pttToneOnly = 0;
  m.lineDtmfDisable = 0;
  m.audioLoopback = 0;
  m.errorBeeps = 1;
  m.pttFrequency = "2175";
}

UnitConfig StartupConfig() {
  UnitConfig config;
  SetTableDefaults(config.functionTable);
  SetDialogDefaults(config.dialog);
  SetMainWindowStartupValues(config.main);
  return config;
}

AppState StartupAppState() { return AppState{ComPort::kCom1, 1, 7}; }

}  // namespace tqr417
