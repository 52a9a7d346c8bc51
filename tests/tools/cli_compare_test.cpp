// diff, verify and send --verify.
#include "config/defaults.h"
#include "file/config_file.h"
#include "link/config_frame.h"
#include "tests/tools/cli_test_support.h"

namespace tqr417 {
namespace {

const std::string kF05 = "relayDurationMs F05: 250 ms -> 300 ms  [Relay Duration]";

INSTANTIATE_TEST_SUITE_P(
    Diff, CliCommandTest,
    testing::Values(
        CommandCase{"SameFile", "diff a.417 a.417", 0, {}, 0, ""},
        CommandCase{"FieldUnitEntryAndCaption",
                    "diff a.417 b.417",
                    1,
                    {"monRelayMode: 0 (Reset on PTT) -> 2 (Momentary)  [MON Relay Options]\n",
                     "morseText: \"\" -> \"CQ DE\"  [Morse Code String]\n", kF05 + "\n"},
                    3,
                    ""},
        // 1200 Hz comes back from a frame as 1199 Hz and 600 min as 600 min: no difference.
        CommandCase{"FrameAgainstItsOwnFile", "diff a.bin a.417", 0, {}, 0, ""},
        CommandCase{"FileAgainstAFrame", "diff b.417 a.bin", 1, {"300 ms -> 250 ms"}, 3, ""},
        // Two .417 files are compared as they stand; a frame side passes c.417's 1199 Hz
        // through the frame too, which brings it back as 1198 Hz.
        CommandCase{"TwoFilesAsTheyStand",
                    "diff a.417 c.417",
                    1,
                    {"morseFreq: 1200 Hz -> 1199 Hz  [Morse Code Frequency]"},
                    1,
                    ""},
        CommandCase{
            "FrameAgainstAFileItCannotCarry", "diff a.bin c.417", 1, {"1199 Hz -> 1198 Hz"}, 1, ""},
        CommandCase{"DamagedFrame", "diff a.417 bad.bin", 2, {}, 0, "bad.bin\" is damaged"},
        CommandCase{"MissingFile", "diff missing.417 a.417", 2, {}, 0, "missing.417"},
        CommandCase{
            "VerifyMissingFile", "verify missing.417 --device no-tty", 2, {}, 0, "missing.417"},
        CommandCase{"VerifyPortThatDoesNotOpen",
                    "verify a.417 --device no-tty",
                    2,
                    {},
                    0,
                    "Error Opening Comm Port"}),
    test_support::RowName{});

// verify and send --verify against the simulated unit.
struct ReadBackCase {
  const char* description;
  const char* args;
  bool unitHoldsB;  // else the unit holds a.417's configuration
  sim::UnitBehaviour behaviour;
  int exitCode;
  const char* out;  // "<device>" stands for the unit's device, which each message names
  const char* err;
  size_t transactions;  // requests the unit served
};

// `text` with each "<device>" replaced by `device`.
std::string WithDevice(std::string text, const std::string& device) {
  for (size_t at = text.find("<device>"); at != std::string::npos; at = text.find("<device>")) {
    text.replace(at, 8, device);
  }
  return text;
}

class CliPtyReadBackTest : public CliFilesTest, public testing::WithParamInterface<ReadBackCase> {
 protected:
  std::unique_ptr<sim::SimulatedUnit> unit_;
};

TEST_P(CliPtyReadBackTest, ComparesWithWhatTheUnitHolds) {
  const ReadBackCase& row = GetParam();
  unit_ = std::make_unique<sim::SimulatedUnit>(row.unitHoldsB ? B() : A(), row.behaviour);
  ASSERT_TRUE(unit_->Start().ok());
  const CliRun run = Cli(std::string(row.args) + " --device " + unit_->DevicePath());
  EXPECT_EQ(run.exitCode, row.exitCode) << run.out << Err();
  EXPECT_NE(run.out.find(WithDevice(row.out, unit_->DevicePath())), std::string::npos) << run.out;
  EXPECT_NE(Err().find(row.err), std::string::npos) << Err();
  EXPECT_EQ(unit_->Transactions().size(), row.transactions);
}

INSTANTIATE_TEST_SUITE_P(
    ReadBack, CliPtyReadBackTest,
    testing::Values(
        ReadBackCase{"VerifySame",
                     "verify a.417",
                     false,
                     {},
                     0,
                     "Data received from TQR-417 OK\n<device>\nThe unit holds the configuration of "
                     "\"a.417\".\n",
                     "",
                     1},
        ReadBackCase{"VerifyAFrameFile", "verify a.bin", false, {}, 0, "The unit holds", "", 1},
        ReadBackCase{"VerifyDifferent",
                     "verify a.417",
                     true,
                     {},
                     1,
                     "3 values that differ from \"a.417\"",
                     "",
                     1},
        ReadBackCase{"VerifySilentUnit",
                     "verify a.417",
                     false,
                     {.silent = true},
                     2,
                     "",
                     "Timeout receiving Data from TQR-417, Check Cables",
                     1},
        ReadBackCase{"VerifyDamagedFrame",
                     "verify a.417",
                     false,
                     {.wrongChecksum = true},
                     2,
                     "",
                     "Error in Data Received from TQR-417",
                     1},
        ReadBackCase{"SendVerifyHeld",
                     "send --verify b.417",
                     false,
                     {},
                     0,
                     "Data Received by TQR-417 OK\n<device>\nData received from TQR-417 OK\n"
                     "<device>\nThe unit holds",
                     "",
                     2},
        // A unit that acknowledges the upload but keeps its old configuration.
        ReadBackCase{"SendVerifyForgotten",
                     "send --verify b.417",
                     false,
                     {.forget = true},
                     1,
                     "relayDurationMs F05: 300 ms -> 250 ms",
                     "",
                     2},
        // A refused upload asks for no read-back.
        ReadBackCase{"SendVerifyRefused",
                     "send --verify b.417",
                     false,
                     {.refuse = true},
                     1,
                     "",
                     "Error in Data sent to TQR-417",
                     1}),
    test_support::RowName{});

TEST_F(CliPtyTest, VerifySavesWhatTheUnitSent) {
  UnitConfig held = StartupConfig();
  held.functionTable.relay[9] = "R02";
  StartUnit(held);
  ASSERT_EQ(Cli("new a.417").exitCode, 0);
  const CliRun run = Cli("verify a.417 --save got.417" + Device());
  EXPECT_EQ(run.exitCode, 1) << Err();
  EXPECT_NE(run.out.find("relay F09: \"\" -> \"R02\"  [Relay]\n"), std::string::npos) << run.out;
  UnitConfig saved;
  ASSERT_TRUE(LoadConfigFile(Path("got.417"), saved).ok());
  EXPECT_EQ(saved, DecodeFrame(EncodeFrame(held).bytes).config);
}

}  // namespace
}  // namespace tqr417
