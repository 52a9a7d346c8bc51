#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "config/defaults.h"
#include "file/config_file.h"
#include "link/config_frame.h"
#include "support/row_name.h"
#include "tests/tools/cli_test_support.h"
#include "tools/sim/simulated_unit.h"

namespace tqr417 {
namespace {

TEST_F(CliTest, NewWritesTheStartupFileAndFrameItsImage) {
  ASSERT_EQ(Cli("new " + Path("a.417")).exitCode, 0) << Err();
  const std::string file = Slurp(Path("a.417"));
  EXPECT_EQ(file.size(), 2133u);
  EXPECT_EQ(file.substr(0, 22), "0  0  0  0  0  0  0\r\n0");

  const CliRun frame = Cli("frame " + Path("a.417"));
  ASSERT_EQ(frame.exitCode, 0) << Err();
  ASSERT_EQ(frame.out.size(), static_cast<size_t>(FRAME_SIZE));
  const ConfigFrame expected = EncodeFrame(StartupConfig()).bytes;
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(),
                         reinterpret_cast<const uint8_t*>(frame.out.data())));
  EXPECT_EQ(static_cast<uint8_t>(frame.out[934]), 0xCF);
  EXPECT_EQ(static_cast<uint8_t>(frame.out[935]), 0x75);
}

TEST_F(CliTest, FrameHexDumpShowsOffsetsAndTheChecksum) {
  ASSERT_EQ(Cli("new " + Path("a.417")).exitCode, 0);
  const CliRun hex = Cli("frame --hex " + Path("a.417"));
  ASSERT_EQ(hex.exitCode, 0);
  EXPECT_NE(hex.out.find("0928  "), std::string::npos);
  EXPECT_NE(hex.out.rfind(" CF 75\n"), std::string::npos);
}

TEST_F(CliTest, UnframeWritesTheDecodedConfiguration) {
  ASSERT_EQ(Cli("new " + Path("a.417")).exitCode, 0);
  { std::ofstream(Path("a.bin"), std::ios::binary) << Cli("frame " + Path("a.417")).out; }
  ASSERT_EQ(Cli("unframe " + Path("a.bin") + " " + Path("b.417")).exitCode, 0) << Err();
  UnitConfig loaded;
  ASSERT_TRUE(LoadConfigFile(Path("b.417"), loaded).ok());
  UnitConfig expected = StartupConfig();
  expected.dialog.morseFreq = 1199;  // 9830 on the line
  EXPECT_EQ(loaded, expected);
}

// --output replaces an older file with exactly what standard output would carry.
TEST_F(CliFilesTest, FrameOutputWritesTheFrameFile) {
  std::ofstream(Path("f.bin")) << "older contents";
  const CliRun raw = Cli("frame a.417 --output f.bin");
  EXPECT_EQ(raw.exitCode, 0) << Err();
  EXPECT_EQ(raw.out, "");
  EXPECT_EQ(Slurp(Path("f.bin")), Slurp(Path("a.bin")));

  const CliRun hex = Cli("frame --hex a.417 --output f.txt");
  EXPECT_EQ(hex.exitCode, 0) << Err();
  EXPECT_EQ(hex.out, "");
  EXPECT_EQ(Slurp(Path("f.txt")), Cli("frame --hex a.417").out);
  EXPECT_NE(Slurp(Path("f.txt")).find("0928  "), std::string::npos);
}

TEST_F(CliTest, UnframeRefusesADamagedOrShortFrameAndWritesNothing) {
  ConfigFrame bytes = EncodeFrame(StartupConfig()).bytes;
  bytes[500] ^= 1;
  std::ofstream(Path("bad.bin"), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), FRAME_SIZE);
  EXPECT_EQ(Cli("unframe " + Path("bad.bin") + " " + Path("b.417")).exitCode, 2);
  EXPECT_NE(Err().find("damaged"), std::string::npos);
  EXPECT_FALSE(fs::exists(Path("b.417")));

  std::ofstream(Path("short.bin"), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), FRAME_SIZE - 1);
  EXPECT_EQ(Cli("unframe " + Path("short.bin") + " " + Path("b.417")).exitCode, 2);
  EXPECT_NE(Err().find("935 bytes"), std::string::npos);
  EXPECT_FALSE(fs::exists(Path("b.417")));
}

TEST_F(CliTest, CheckListsValuesOutsideTheirRanges) {
  ASSERT_EQ(Cli("new " + Path("a.417")).exitCode, 0);
  const CliRun startup = Cli("check " + Path("a.417"));
  EXPECT_EQ(startup.exitCode, 1);
  EXPECT_NE(startup.out.find("callTimeoutMin  600  (accepted: 0 to 180)"), std::string::npos);

  UnitConfig config = StartupConfig();
  config.dialog.callTimeoutMin = 100;
  // The grid stores any relay group and the radio groups and check boxes take any value
  // without a word, so none of these is reported.
  config.functionTable.relayGroup[3] = 7;
  config.main.toneMode = 5;
  config.dialog.dig4R1 = -1;
  ASSERT_TRUE(SaveConfigFile(Path("ok.417"), config).ok());
  const CliRun clean = Cli("check " + Path("ok.417"));
  EXPECT_EQ(clean.exitCode, 0) << clean.out;

  config.functionTable.relayDurationMs[5] = 30001;
  config.dialog.sidetoneGain = -41;
  config.main.pttFrequency = "2000";
  ASSERT_TRUE(SaveConfigFile(Path("bad.417"), config).ok());
  const CliRun bad = Cli("check " + Path("bad.417"));
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.out.find("relayDurationMs F05  30001  (accepted: 0 to 30000)"), std::string::npos)
      << bad.out;
  EXPECT_NE(bad.out.find("sidetoneGain  -41  (accepted: -40 to 10)"), std::string::npos);
  EXPECT_NE(bad.out.find("pttFrequency  \"2000\""), std::string::npos);
}

TEST_F(CliTest, ShowPrintsSettingsWithUnitsAndTheWholeTable) {
  ASSERT_EQ(Cli("new " + Path("a.417")).exitCode, 0);
  const CliRun run = Cli("show " + Path("a.417"));
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("Morse Code Frequency (morseFreq)"), std::string::npos);
  EXPECT_NE(run.out.find("1200 Hz"), std::string::npos);
  EXPECT_NE(run.out.find("\"2175\" Hz"), std::string::npos);
  EXPECT_NE(run.out.find("F00"), std::string::npos);
  EXPECT_NE(run.out.find("F99"), std::string::npos);
}

// Every failure is told on standard error, naming what failed, with exit status 2.
TEST_F(CliTest, FailuresAreToldOnStandardErrorWithStatusTwo) {
  const std::string missing = Path("missing.417");
  ASSERT_EQ(Cli("new " + Path("a.417")).exitCode, 0);
  const struct {
    std::string command;
    std::string named;
  } cases[] = {
      {"show " + missing, "missing.417"},
      {"check " + missing, "missing.417"},
      {"frame " + missing, "missing.417"},
      {"unframe " + missing + " " + Path("b.417"), "missing.417"},
      {"unframe " + dir_.string() + " " + Path("b.417"), "a folder"},
      {"frame " + Path("a.417") + " >/dev/full", "standard output"},
      {"frame " + Path("a.417") + " --output " + dir_.string(), "a folder"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    const CliRun run = Cli(c.command);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(Err().find(c.named), std::string::npos) << Err();
  }
  EXPECT_FALSE(fs::exists(Path("b.417")));
  EXPECT_NE(Cli("no-such-command").exitCode, 0);
}

TEST_F(CliPtyTest, SendDeliversTheFileAndReportsAcceptance) {
  StartUnit(UnitConfig{});
  UnitConfig config = StartupConfig();
  config.dialog.morseText = "CQ DE TQR";
  config.functionTable.relay[3] = "R02";
  ASSERT_TRUE(SaveConfigFile(Path("a.417"), config).ok());
  const CliRun run = Cli("send " + Path("a.417") + Device());
  EXPECT_EQ(run.exitCode, 0) << Err();
  EXPECT_NE(run.out.find("Data Received by TQR-417 OK"), std::string::npos);
  UnitConfig expected = config;
  expected.dialog.morseFreq = 1199;
  EXPECT_EQ(unit_->Held(), expected);
}

TEST_F(CliPtyTest, RecvWritesTheUnitsConfiguration) {
  UnitConfig held = StartupConfig();
  held.main.toneMode = 1;
  held.functionTable.relayDurationMs.fill(1000);
  StartUnit(held);
  const CliRun run = Cli("recv " + Path("b.417") + Device());
  EXPECT_EQ(run.exitCode, 0) << Err();
  EXPECT_NE(run.out.find("Data received from TQR-417 OK"), std::string::npos);
  UnitConfig loaded;
  ASSERT_TRUE(LoadConfigFile(Path("b.417"), loaded).ok());
  held.dialog.morseFreq = 1199;
  EXPECT_EQ(loaded, held);
}

struct FaultCase {
  const char* description;
  const char* command;
  sim::UnitBehaviour behaviour;
  const char* message;
  int exitCode;  // 1 the unit did not take the upload, 2 the download failed
};

class CliPtyFaultTest : public CliPtyTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(CliPtyFaultTest, ReportsTheMessageFailsAndWritesNothing) {
  StartUnit(StartupConfig(), GetParam().behaviour);
  ASSERT_EQ(Cli("new " + Path("a.417")).exitCode, 0);
  const std::string target = std::string(GetParam().command) == "send" ? "a.417" : "b.417";
  const CliRun run = Cli(std::string(GetParam().command) + " " + Path(target.c_str()) + Device());
  EXPECT_EQ(run.exitCode, GetParam().exitCode);
  EXPECT_EQ(run.out, "");
  // The device tried, on the line after the message.
  EXPECT_NE(Err().find(std::string(GetParam().message) + "\n" + unit_->DevicePath()),
            std::string::npos)
      << Err();
  EXPECT_FALSE(fs::exists(Path("b.417")));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CliPtyFaultTest,
    testing::Values(
        FaultCase{"SilentUnitUpload", "send", {.silent = true}, "Error in Data sent to TQR-417", 1},
        FaultCase{"RefusingUnit", "send", {.refuse = true}, "Error in Data sent to TQR-417", 1},
        FaultCase{"SilentUnitDownload",
                  "recv",
                  {.silent = true},
                  "Timeout receiving Data from TQR-417, Check Cables",
                  2},
        FaultCase{"UnitStopsPartWay",
                  "recv",
                  {.stopAfterBytes = 400},
                  "Timeout receiving Data from TQR-417, Check Cables",
                  2},
        FaultCase{"DamagedFrame",
                  "recv",
                  {.wrongChecksum = true},
                  "Error in Data Received from TQR-417",
                  2}),
    tqr417::test_support::RowName{});

TEST_F(CliTest, MissingPortIsAnErrorNamingIt) {
  ASSERT_EQ(Cli("new " + Path("a.417")).exitCode, 0);
  const CliRun run = Cli("send " + Path("a.417") + " --device " + Path("no-such-tty"));
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(Err().find("Error Opening Comm Port"), std::string::npos);
  EXPECT_NE(Err().find("no-such-tty"), std::string::npos);
}

// The simulator as a program: a link to its device that Com2 can open, each request logged,
// and a clean stop on SIGTERM that removes the link.
TEST_F(CliPtyTest, SimulatorServesThroughItsLinkAndStopsCleanly) {
  const std::string link = Path("unit");
  FILE* sim = popen(("echo $$; exec " + std::string(TQR417_SIM) + " --link " + link).c_str(), "r");
  ASSERT_NE(sim, nullptr);
  char line[512] = {};
  ASSERT_NE(fgets(line, sizeof line, sim), nullptr);
  const pid_t pid = std::atoi(line);
  ASSERT_NE(fgets(line, sizeof line, sim), nullptr);
  EXPECT_NE(std::string(line).find(link), std::string::npos) << line;

  setenv("TQR417_COM2", link.c_str(), 1);
  const CliRun run = Cli("recv --port COM2 " + Path("b.417"));
  unsetenv("TQR417_COM2");
  EXPECT_EQ(run.exitCode, 0) << Err();
  EXPECT_TRUE(fs::exists(Path("b.417")));

  ASSERT_GT(pid, 0);
  kill(pid, SIGTERM);
  std::string log;
  while (fgets(line, sizeof line, sim) != nullptr) log += line;
  const int status = pclose(sim);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_NE(log.find("download: sent 936 of 936 bytes"), std::string::npos) << log;
  EXPECT_NE(log.find("stopped"), std::string::npos) << log;
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

// ports --com1 keeps a device in the settings folder, which every later run reads: ports
// shows where it came from, and a transfer on Com1 tries it, naming the ports that exist.
TEST_F(CliTest, PortsKeepsTheDeviceComOneOpens) {
  const std::string settings = (dir_ / "config/tqr417/ports.conf").string();
  const CliRun kept = Cli("ports --com1 /dev/tqr417-absent");
  EXPECT_EQ(kept.exitCode, 0) << Err();
  EXPECT_NE(kept.out.find("Kept in " + settings), std::string::npos) << kept.out;
  ASSERT_EQ(Cli("ports --com2 /dev/ttyUSB7").exitCode, 0) << Err();

  const CliRun shown = Cli("ports");
  EXPECT_NE(shown.out.find("Com1 opens /dev/tqr417-absent (from " + settings + ") (not present)"),
            std::string::npos)
      << shown.out;
  EXPECT_NE(shown.out.find("Com2 opens /dev/ttyUSB7 (from " + settings + ")"), std::string::npos)
      << shown.out;

  ASSERT_EQ(Cli("new " + Path("a.417")).exitCode, 0);
  EXPECT_EQ(Cli("send " + Path("a.417") + " --port com1").exitCode, 2);
  EXPECT_NE(Err().find("Error Opening Comm Port\nCannot open Com1 (/dev/tqr417-absent)"),
            std::string::npos)
      << Err();
  EXPECT_NE(Err().find("Serial ports on this computer:"), std::string::npos) << Err();
  EXPECT_NE(Err().find("tqr417-cli ports --com1"), std::string::npos) << Err();
}

TEST_F(CliTest, MalformedPortSettingsAreIgnoredWithAWarning) {
  fs::create_directories(dir_ / "config/tqr417");
  std::ofstream(dir_ / "config/tqr417/ports.conf") << "com1=/dev/ttyUSB0\n\x01\x02garbage\n";
  const CliRun run = Cli("ports");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("Com1 opens /dev/ttyS0"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("(from "), std::string::npos) << run.out;
  EXPECT_NE(Err().find("ports.conf is ignored: line 2"), std::string::npos) << Err();
}

TEST_F(CliTest, PortsNamesWhatComOneAndComTwoOpen) {
  const CliRun run = Cli("ports");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("Com1"), std::string::npos);
  EXPECT_NE(run.out.find("Com2"), std::string::npos);
}

}  // namespace
}  // namespace tqr417
