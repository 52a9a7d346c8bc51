#pragma once
// Configuration file texts written by hand, line by line, for the file tests (lines are
// indexed from 0, so file line n is lines[n - 1]), and test names for the tables of cases.

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "config/unit_config.h"

namespace tqr417::file_test {

// The file of the start-up configuration: header, gains, each entry as "none" and its values
// with digital output k mod 64, the five settings lines and an empty Morse line.
inline std::vector<std::string> StartupFileLines() {
  std::vector<std::string> lines = {"0  0  0  0  0  0  0", "0  0  0  0"};
  for (int k = 0; k < 100; ++k) {
    lines.push_back("none");
    lines.push_back("1 1 0 " + std::to_string(k % 64) + " 0 0");
  }
  for (const char* line : {"0  1  -20  0  0  0  0  2175  0  0", "1  0  -10  1200", "0  0  0  0",
                           "-10  0  120  600  0  0", "0  0  0  0  0  0  0  1  2175", ""}) {
    lines.push_back(line);
  }
  return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

// The start-up configuration with a value of its own in every field outside the table and in
// entry 5, so that a field written or read in the wrong place shows.
inline UnitConfig DistinctConfig() {
  UnitConfig c = StartupConfig();
  MainWindowSettings& m = c.main;
  DialogSettings& d = c.dialog;
  m = {.toneMode = 1,
       .ctcssToneMode = 6,
       .lineDtmfDisable = 17,
       .audioLoopback = 16,
       .repeaterMode = 2,
       .revertToR1 = 3,
       .pttToneOnly = 34,
       .pttRelayOption = 7,
       .monRelayMode = 4,
       .monMomentaryMs = 60000,
       .errorBeeps = 42,
       .pttFrequency = "43"};
  d.sidetoneGain = -40, d.radioTxGain = -39, d.lineTxGain = 10, d.ctcssGain = 9;
  d.dig5Enable = 11, d.dig5ActiveHigh = 12, d.dig5ToneLevel = 13, d.dig5R1 = 14, d.dig5R2 = 15;
  d.dig5ToneFreq = 18, d.dig5OnMs = 19, d.dig5OffMs = 20;
  d.morseAutoMode = 21, d.morseIntervalMin = 22, d.morseGain = 23, d.morseFreq = 24;
  d.txAddCtcss = 25, d.txAgc = 26, d.txPreEmphasis = 27, d.txLowPass = 28;
  d.voxLevel = 29, d.phoneInstalled = 30, d.voxTimeoutSec = 31, d.callTimeoutMin = 32;
  d.holdToneAlways = 33;
  d.dig4RxMute = 35, d.dig4ActiveHigh = 36, d.dig4RevertF1 = 37, d.dig4RevertSec = 38;
  d.dig4Enable = 39, d.dig4R1 = 40, d.dig4R2 = 41;
  d.morseText = "cq de vk2 tqr";
  FunctionTable& t = c.functionTable;
  t.relay[5] = "R02", t.toneActive[5] = 0, t.relayGroup[5] = 4, t.relayDurationMs[5] = 30000;
  t.digitalOutput[5] = 63, t.ctcssCode[5] = 64, t.useDefaultCtcss[5] = 1;
  return c;
}

// DistinctConfig as a file.
inline std::vector<std::string> DistinctFileLines() {
  std::vector<std::string> lines = StartupFileLines();
  lines[0] = "1  2  3  4  60000  6  7";
  lines[1] = "-40  -39  10  9";
  lines[12] = "R02";
  lines[13] = "0 4 30000 63 64 1";
  lines[202] = "11  12  13  14  15  16  17  18  19  20";
  lines[203] = "21  22  23  24";
  lines[204] = "25  26  27  28";
  lines[205] = "29  30  31  32  33  34";
  lines[206] = "35  36  37  38  39  40  41  42  43";
  lines[207] = "cq de vk2 tqr";
  return lines;
}

}  // namespace tqr417::file_test
