#pragma once
// Configurations for the transfer tests: one that differs from the start-up configuration in
// every group, and one whose frame is full of 0xFF bytes.

#include "config/defaults.h"
#include "config/unit_config.h"
#include "link/config_frame.h"

namespace tqr417 {

inline UnitConfig VariedConfig() {
  UnitConfig config = StartupConfig();
  config.main.toneMode = 1;
  config.main.monRelayMode = 2;
  config.main.monMomentaryMs = 45000;
  config.main.pttFrequency = "2970";
  config.main.repeaterMode = 1;
  config.dialog.sidetoneGain = -40;
  config.dialog.morseText = "CQ TQR417 DE TEST";
  config.dialog.morseFreq = 1000;  // sent as 8192, read back unchanged
  config.dialog.callTimeoutMin = 180;
  config.dialog.dig5OffMs = 65000;
  for (int i = 0; i < kEntryCount; ++i) {
    config.functionTable.relay[i] = i % 3 == 0 ? "" : FormatEntryLabel(1 + i % 2, 'R');
    config.functionTable.relayDurationMs[i] = 50 * i;
    config.functionTable.ctcssCode[i] = i % 40;
    config.functionTable.useDefaultCtcss[i] = i % 2;
  }
  return config;
}

// Every value of -1 goes out as 0xFF bytes; a reader that took 0xFF for a time-out would
// lose these.
inline UnitConfig AllOnesConfig() {
  UnitConfig config = StartupConfig();
  config.main.toneMode = 255;
  config.main.repeaterMode = -1;
  config.dialog.sidetoneGain = -1;
  config.dialog.dig5ToneLevel = -1;
  config.functionTable.relayDurationMs.fill(-1);
  config.functionTable.digitalOutput.fill(255);
  config.dialog.morseText = std::string(MORSE_FIELD_LEN, '\xFF');
  config.dialog.morseFreq = 2000;  // sent as 16384, read back unchanged
  return config;
}

// What a configuration becomes after one trip through the frame.
inline UnitConfig AfterFrame(const UnitConfig& config) {
  return DecodeFrame(EncodeFrame(config).bytes).config;
}

}  // namespace tqr417
