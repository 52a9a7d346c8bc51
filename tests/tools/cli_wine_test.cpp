// The Windows companion under Wine: its transfers against the simulated unit through a COM
// port, its port settings in %APPDATA%, file names with accents through the wide command
// line, binary frame output and the configuration sheet, each as the Linux companion gives.
#include "tests/tools/cli_wine_test.h"

#include <chrono>
#include <thread>

#include "config/defaults.h"
#include "file/config_file.h"
#include "support/trace_lines.h"

namespace tqr417 {
namespace {

using namespace std::chrono_literals;

// A configuration of its own: a Morse text, and a frequency a frame carries back as 1199 Hz.
UnitConfig Sent() {
  UnitConfig config = StartupConfig();
  config.dialog.morseText = "CQ DE TQR417";
  config.dialog.morseFreq = 1200;
  return config;
}

// Replaces every "{dir}" in `text` with `dir`.
std::string WithDir(std::string text, const std::string& dir) {
  for (size_t at; (at = text.find("{dir}")) != std::string::npos;) text.replace(at, 5, dir);
  return text;
}

// One transfer against the unit: how it behaves, the command, its exit status, texts its
// output or error output hold, and what the unit logged of the request (empty: no request).
struct TransferCase {
  const char* description;
  sim::UnitBehaviour behaviour;
  const char* args;
  int exitCode;
  std::vector<std::string> says;
  const char* unitLog;
};

class CliWineTransferTest : public CliWineTest, public testing::WithParamInterface<TransferCase> {};

TEST_P(CliWineTransferTest, EndsAsTabled) {
  const TransferCase& row = GetParam();
  ASSERT_TRUE(SaveConfigFile(Path("sent.417"), Sent()).ok());
  StartUnitOnCom9(row.behaviour, Sent());
  const CliRun run = Cli(row.args);
  EXPECT_EQ(run.exitCode, row.exitCode) << run.out << Err();
  for (const std::string& text : row.says)
    EXPECT_NE((run.out + Err()).find(text), std::string::npos) << run.out << Err();

  if (*row.unitLog) {
    // The unit logs a request once it has finished it, which may be after the program ended.
    ASSERT_TRUE(unit_->WaitForTransactions(1, 3s));
    const sim::Transaction request = unit_->Transactions().front();
    EXPECT_NE(request.log.find(row.unitLog), std::string::npos) << request.log;
    // Wine sets IGNBRK with every SetCommState and no Windows call clears it; it only drops
    // break conditions, never data.
    EXPECT_TRUE(request.lineProblem.empty() || request.lineProblem == "IGNBRK on")
        << request.lineProblem;
  }
  if (std::string(row.args).starts_with("recv")) {
    // A download writes the file only when it succeeded, with what one frame carries back.
    ASSERT_EQ(fs::exists(Path("received.417")), row.exitCode == 0);
    if (row.exitCode == 0) {
      ASSERT_EQ(Linux("frame sent.417 --output expected.bin").exitCode, 0);
      ASSERT_EQ(Linux("unframe expected.bin expected.417").exitCode, 0);
      EXPECT_EQ(Slurp(Path("received.417")), Slurp(Path("expected.417")));
    }
  }
}

const char* const kSendError = "Error in Data sent to TQR-417";
const char* const kTimeout = "Timeout receiving Data from TQR-417, Check Cables";

INSTANTIATE_TEST_SUITE_P(Units, CliWineTransferTest,
                         testing::Values(TransferCase{"send to a paced unit",
                                                      {.paced = true},
                                                      "send sent.417",
                                                      0,
                                                      {"Data Received by TQR-417 OK"},
                                                      "matches; configuration kept; answered 0x41"},
                                         TransferCase{"recv from a paced unit",
                                                      {.paced = true},
                                                      "recv received.417",
                                                      0,
                                                      {"Data received from TQR-417 OK"},
                                                      "sent 936 of 936 bytes"},
                                         TransferCase{"send to a silent unit",
                                                      {.silent = true, .paced = true},
                                                      "send sent.417",
                                                      1,
                                                      {kSendError, "Com1 (COM9)"},
                                                      ""},
                                         TransferCase{"recv from a silent unit",
                                                      {.silent = true, .paced = true},
                                                      "recv received.417",
                                                      2,
                                                      {kTimeout},
                                                      ""},
                                         TransferCase{"send to a unit answering 160 ms late",
                                                      {.answerDelayMs = 160, .paced = true},
                                                      "send sent.417",
                                                      1,
                                                      {kSendError},
                                                      "matches; configuration kept"},
                                         TransferCase{"recv from a unit that stops after 400 bytes",
                                                      {.stopAfterBytes = 400, .paced = true},
                                                      "recv received.417",
                                                      2,
                                                      {kTimeout},
                                                      "sent 400 of 936 bytes"},
                                         TransferCase{"ports names what Com1 opens",
                                                      {},
                                                      "ports",
                                                      0,
                                                      {"Com1 opens COM9 (from TQR417_COM1)"},
                                                      ""}),
                         test_support::RowName());

// A command without the unit: its environment, exit status and texts of its output and error
// output. "{dir}" stands for the test's folder, "{windir}" for its Windows name.
struct WineCommandCase {
  const char* description;
  const char* env;
  const char* args;
  int exitCode;
  std::vector<std::string> says;
};

class CliWineCommandTest : public CliWineTest, public testing::WithParamInterface<WineCommandCase> {
 protected:
  void SetUp() override {
    CliWineTest::SetUp();
    fs::create_directories(dir_ / "Büro Ω");
    ASSERT_EQ(Linux("new \"Büro Ω/é site.417\"").exitCode, 0);
    ASSERT_TRUE(SaveConfigFile(Path("sent.417"), Sent()).ok());
    // A COM link to a folder: Wine refuses to open it with access denied.
    fs::create_directories(dir_ / "not-a-port");
    ASSERT_TRUE(LinkPort(8, dir_ / "not-a-port"));
  }
};

TEST_P(CliWineCommandTest, EndsAsTabled) {
  const WineCommandCase& row = GetParam();
  env_ = row.env;
  std::string args = WithDir(row.args, dir_.string());
  const std::string windowsDir = WindowsPath(dir_);
  for (size_t at; (at = args.find("{windir}")) != std::string::npos;)
    args.replace(at, 8, windowsDir);
  const CliRun run = Cli(args);
  EXPECT_EQ(run.exitCode, row.exitCode) << run.out << Err();
  for (const std::string& text : row.says)
    EXPECT_NE((run.out + Err()).find(text), std::string::npos) << run.out << Err();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliWineCommandTest,
    testing::Values(WineCommandCase{"show a Windows path with accents blanks and Greek",
                                    "",
                                    "show \"{windir}\\Büro Ω\\é site.417\"",
                                    0,
                                    {"Morse Code Frequency (morseFreq)"}},
                    WineCommandCase{"show a path starting with a slash",
                                    "",
                                    "show \"{dir}/Büro Ω/é site.417\"",
                                    0,
                                    {"Morse Code Frequency (morseFreq)"}},
                    WineCommandCase{"send to a port that cannot be opened",
                                    "TQR417_COM2=COM8",
                                    "send --port com2 sent.417",
                                    2,
                                    {"Error Opening Comm Port", "Cannot open Com2 (COM8)"}},
                    WineCommandCase{"TQR417_COM2 names the port",
                                    "TQR417_COM2=COM9",
                                    "ports",
                                    0,
                                    {"Com2 opens COM9 (from TQR417_COM2)"}},
                    WineCommandCase{
                        "ports keeps a port in APPDATA",
                        "",
                        "ports --com2 COM7",
                        0,
                        {"Kept in C:\\users\\", "\\AppData\\Roaming\\tqr417\\ports.conf"}}),
    test_support::RowName());

TEST_F(CliWineTest, SetWritesTheFileTheLinuxCompanionReads) {
  fs::create_directories(dir_ / "Büro Ω");
  ASSERT_EQ(Linux("new \"Büro Ω/é site.417\"").exitCode, 0);
  EXPECT_EQ(Cli("set \"" + Path("Büro Ω/é site.417") + "\" morseFreq=1000").exitCode, 0) << Err();
  EXPECT_EQ(Linux("get \"Büro Ω/é site.417\" morseFreq").out, "1000\n");
}

TEST_F(CliWineTest, FrameGoesToAFileAndToStandardOutputByteForByte) {
  ASSERT_TRUE(SaveConfigFile(Path("sent.417"), Sent()).ok());
  const std::string linuxFrame = Linux("frame sent.417").out;
  ASSERT_EQ(linuxFrame.size(), size_t{936});
  EXPECT_EQ(Cli("frame sent.417 --output \"ω frame.bin\"").exitCode, 0) << Err();
  EXPECT_EQ(Slurp(Path("ω frame.bin")), linuxFrame);
  // Standard output in text mode would turn each 0x0A into 0x0D 0x0A.
  const CliRun toOutput = Cli("frame sent.417");
  EXPECT_EQ(toOutput.exitCode, 0) << Err();
  EXPECT_EQ(toOutput.out, linuxFrame);
}

TEST_F(CliWineTest, KeptPortIsReadBackAndAMissingOneListsThePortsPresent) {
  ASSERT_TRUE(SaveConfigFile(Path("sent.417"), Sent()).ok());
  ASSERT_EQ(Cli("ports --com2 COM7").exitCode, 0) << Err();
  EXPECT_NE(Cli("ports").out.find("Com2 opens COM7 (from C:"), std::string::npos);
  EXPECT_EQ(Cli("send --port com2 sent.417").exitCode, 2);
  for (const char* text : {"Cannot open Com2 (COM7)", "Serial ports on this computer:",
                           "tqr417-cli ports --com1 COMn", "Device Manager"}) {
    EXPECT_NE(Err().find(text), std::string::npos) << text << " in " << Err();
  }
  // A settings file the companion cannot read is ignored with a warning.
  std::ofstream(SettingsFile(), std::ios::binary) << "com2=\001\n";
  EXPECT_NE(Cli("ports").out.find("Com2 opens COM2"), std::string::npos);
  EXPECT_NE(Err().find("is ignored: line 1"), std::string::npos) << Err();
}

TEST_F(CliWineTest, ReportSheetsAreThoseOfTheLinuxCompanion) {
  ASSERT_EQ(Linux("new startup.417").exitCode, 0);
  for (const char* format : {"html", "text"}) {
    const std::string args = std::string("report startup.417 --format ") + format;
    ASSERT_EQ(Cli(args + " --output windows.sheet").exitCode, 0) << Err();
    ASSERT_EQ(Linux(args + " --output linux.sheet").exitCode, 0);
    EXPECT_EQ(Slurp(Path("windows.sheet")), Slurp(Path("linux.sheet"))) << format;
  }
}

TEST_F(CliWineTest, TracedSendHoldsTheBytesTheUnitReceived) {
  LineTrace unitTrace;
  ASSERT_TRUE(unitTrace.Open(Path("unit.trace")).ok());
  unit_ = std::make_unique<sim::SimulatedUnit>(StartupConfig(), sim::UnitBehaviour{.paced = true});
  unit_->TraceTo(&unitTrace);
  ASSERT_TRUE(unit_->Start().ok());
  ASSERT_TRUE(LinkPort(9, unit_->DevicePath()));
  env_ = "TQR417_COM1=COM9";
  ASSERT_TRUE(SaveConfigFile(Path("sent.417"), Sent()).ok());
  const CliRun run = Cli("send sent.417 --trace \"" + WindowsPath(dir_ / "send.trace") + "\"");
  EXPECT_EQ(run.exitCode, 0) << Err();
  ASSERT_TRUE(unit_->WaitForTransactions(1, 3s));
  unit_->Stop();

  const auto sent = test_support::ReadTrace(Path("send.trace"));
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent.front().event, "open");
  EXPECT_EQ(sent.front().details,
            "Com1 (COM9): 4800 baud, 8 data bits, no parity, 1 stop bit, raw");
  const std::vector<uint8_t> bytes = test_support::TracedBytes(sent, "sent");
  EXPECT_EQ(bytes.size(), size_t{937});
  const auto received = test_support::ReadTrace(Path("unit.trace"));
  EXPECT_EQ(test_support::TracedBytes(received, "recv"), bytes);
  const auto answer = [](const std::vector<test_support::TraceLine>& lines) {
    for (const auto& line : lines)
      if (line.event == "answer") return line.details;
    return std::string();
  };
  EXPECT_EQ(answer(sent), "41 (accepted)");
  EXPECT_EQ(answer(received), "41 (accepted)");
}

}  // namespace
}  // namespace tqr417
