// The transfers over a real pseudo-terminal against the simulated unit.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "config/defaults.h"
#include "link/line_timing.h"
#include "link/serial_link.h"
#include "link/serial_port_opener.h"
#include "link/termios_settings.h"
#include "link/transfers.h"
#include "link/unit_protocol.h"
#include "tests/link/sample_configs.h"
#include "tools/sim/simulated_unit.h"

namespace tqr417 {
namespace {

using sim::UnitBehaviour;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

class TransfersPtyTest : public testing::Test {
 protected:
  void StartUnit(UnitBehaviour behaviour = {}) {
    unit_ = std::make_unique<sim::SimulatedUnit>(unitConfig_, behaviour);
    ASSERT_TRUE(unit_->Start().ok());
    device_ = unit_->DevicePath();
    ports_ = std::make_unique<SerialPortOpener>(SerialPortOpener::ForDevice(device_));
  }

  // The line problems the unit logged; empty when every request came over a raw 4800 8N1 line.
  std::string LineProblems() const {
    std::string problems;
    for (const sim::Transaction& t : unit_->Transactions()) problems += t.lineProblem;
    return problems;
  }

  const UnitConfig unitConfig_ = VariedConfig();
  const UnitConfig before_ = StartupConfig();
  std::unique_ptr<sim::SimulatedUnit> unit_;
  std::string device_;
  std::unique_ptr<SerialPortOpener> ports_;  // both choices open the unit's device
};

TEST_F(TransfersPtyTest, UploadThenDownloadGivesEveryFieldBack) {
  StartUnit();
  const UnitConfig sent = AllOnesConfig();
  EXPECT_EQ(Upload(sent, *ports_, ComPort::kCom1).outcome, TransferOutcome::kUploadAccepted);
  EXPECT_EQ(unit_->Held(), AfterFrame(sent));

  UnitConfig received = before_;
  EXPECT_EQ(Download(received, *ports_, ComPort::kCom1).outcome, TransferOutcome::kDownloadOk);
  EXPECT_EQ(received, AfterFrame(sent));
  EXPECT_EQ(received.dialog.morseText, sent.dialog.morseText);
  EXPECT_EQ(LineProblems(), "");
}

TEST_F(TransfersPtyTest, ComPortChoiceOpensItsDeviceAndHoldsItWhileTheChannelLives) {
  StartUnit();
  SerialPortOpener ports("/dev/tqr417-missing", device_);
  UnitConfig config = before_;
  const TransferResult missing = Download(config, ports, ComPort::kCom1);
  EXPECT_EQ(missing.outcome, TransferOutcome::kOpenFailed);
  EXPECT_NE(missing.reason.message().find("Com1 (/dev/tqr417-missing)"), std::string::npos)
      << missing.reason.message();
  EXPECT_EQ(config, before_);
  EXPECT_EQ(Download(config, ports, ComPort::kCom2).outcome, TransferOutcome::kDownloadOk);
  EXPECT_EQ(config, AfterFrame(unitConfig_));

  OpenedPort held = ports.Open(ComPort::kCom2, UPLOAD_OUTPUT_QUEUE);
  ASSERT_NE(held.channel, nullptr);
  const OpenedPort second = ports.Open(ComPort::kCom2, UPLOAD_OUTPUT_QUEUE);
  EXPECT_EQ(second.channel, nullptr);
  EXPECT_NE(second.status.message().find("Com2 (" + device_ + ")"), std::string::npos);
  held.channel.reset();
  EXPECT_NE(ports.Open(ComPort::kCom2, UPLOAD_OUTPUT_QUEUE).channel, nullptr);
}

TEST_F(TransfersPtyTest, HeldPortFailsToOpenForEitherTransfer) {
  StartUnit();
  SerialLink holder;
  ASSERT_TRUE(holder.OpenDevice(unit_->DevicePath(), 8).ok());
  const TransferResult upload = Upload(VariedConfig(), *ports_, ComPort::kCom1);
  EXPECT_EQ(upload.outcome, TransferOutcome::kOpenFailed);
  EXPECT_NE(upload.reason.message().find("in use"), std::string::npos);
  UnitConfig config = before_;
  EXPECT_EQ(Download(config, *ports_, ComPort::kCom1).outcome, TransferOutcome::kOpenFailed);
  EXPECT_EQ(config, before_);
}

struct FaultCase {
  const char* description;
  UnitBehaviour behaviour;
  bool upload;
  TransferOutcome outcome;
  bool unitKeepsUpload = true;  // a unit that takes the frame but answers wrongly still keeps it
};

UnitBehaviour Silent() { return {.silent = true}; }
UnitBehaviour Refusing() { return {.refuse = true}; }
UnitBehaviour StoppingAfter(int n) { return {.stopAfterBytes = n}; }
UnitBehaviour WrongChecksum() { return {.wrongChecksum = true}; }
UnitBehaviour Late(int ms) { return {.answerDelayMs = ms}; }

class FaultModeTest : public TransfersPtyTest, public testing::WithParamInterface<FaultCase> {};

// Each fault gives its message; a failed download leaves the application's configuration as
// it was, and a refused upload the unit's.
TEST_P(FaultModeTest, GivesItsMessageAndKeepsBothConfigurations) {
  const FaultCase& c = GetParam();
  StartUnit(c.behaviour);
  if (c.upload) {
    EXPECT_EQ(Upload(before_, *ports_, ComPort::kCom1).outcome, c.outcome);
    ASSERT_TRUE(unit_->WaitForTransactions(1, milliseconds(1000)));
    EXPECT_EQ(unit_->Held(), c.unitKeepsUpload ? AfterFrame(before_) : unitConfig_);
  } else {
    UnitConfig config = before_;
    EXPECT_EQ(Download(config, *ports_, ComPort::kCom1).outcome, c.outcome);
    EXPECT_EQ(config,
              c.outcome == TransferOutcome::kDownloadOk ? AfterFrame(unitConfig_) : before_);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultModeTest,
    testing::Values(
        FaultCase{"SilentUpload", Silent(), true, TransferOutcome::kUploadRefused},
        FaultCase{"RefusedUpload", Refusing(), true, TransferOutcome::kUploadRefused, false},
        FaultCase{"UploadAnswered60msLate", Late(60), true, TransferOutcome::kUploadAccepted},
        FaultCase{"UploadAnswered160msLate", Late(160), true, TransferOutcome::kUploadRefused},
        FaultCase{"SilentDownload", Silent(), false, TransferOutcome::kDownloadTimeout},
        FaultCase{"WrongChecksum", WrongChecksum(), false, TransferOutcome::kDownloadBadChecksum},
        FaultCase{"DownloadStartingLate60ms", Late(60), false, TransferOutcome::kDownloadOk},
        FaultCase{"DownloadStartingLate160ms", Late(160), false,
                  TransferOutcome::kDownloadTimeout}),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.description; });

// A unit that stops after byte N leaves the configuration unchanged, for N in each part of
// the frame and at the edges between them.
class StopAfterTest : public TransfersPtyTest, public testing::WithParamInterface<int> {};

TEST_P(StopAfterTest, LeavesTheConfigurationUnchanged) {
  StartUnit(StoppingAfter(GetParam()));
  UnitConfig config = before_;
  const auto start = Clock::now();
  EXPECT_EQ(Download(config, *ports_, ComPort::kCom1).outcome, TransferOutcome::kDownloadTimeout);
  EXPECT_EQ(config, before_);
  // One time-out, not one per missing byte.
  EXPECT_LT(Clock::now() - start, milliseconds(400));
}

INSTANTIATE_TEST_SUITE_P(AcrossTheFrame, StopAfterTest,
                         testing::Values(1, 10, 400, 809, 810, 884, 934, 935),
                         [](const testing::TestParamInfo<int>& info) {
                           return "After" + std::to_string(info.param);
                         });

// A paced line: the answer wait starts when the frame has left the line, so an answer 60 ms
// after that is in time and one 160 ms after it is not.
TEST_F(TransfersPtyTest, PacedLineAnswerAt60msIsAcceptedAt160msRefused) {
  StartUnit({.answerDelayMs = 60, .paced = true});
  const auto start = Clock::now();
  EXPECT_EQ(Upload(VariedConfig(), *ports_, ComPort::kCom1).outcome,
            TransferOutcome::kUploadAccepted);
  EXPECT_GE(Clock::now() - start, LineTime(937));
  ASSERT_TRUE(unit_->WaitForTransactions(1, milliseconds(1000)));

  unit_->SetBehaviour({.answerDelayMs = 160, .paced = true});
  EXPECT_EQ(Upload(before_, *ports_, ComPort::kCom1).outcome, TransferOutcome::kUploadRefused);
}

TEST_F(TransfersPtyTest, PacedDownloadArrivesWhole) {
  StartUnit({.paced = true});
  UnitConfig config = before_;
  const auto start = Clock::now();
  EXPECT_EQ(Download(config, *ports_, ComPort::kCom1).outcome, TransferOutcome::kDownloadOk);
  EXPECT_GE(Clock::now() - start, LineTime(936));
  EXPECT_EQ(config, AfterFrame(unitConfig_));
}

// Between sessions the unit discards what the last one left unread, so an answer that came
// too late is not taken as the answer of the next session. It leaves the line settings alone:
// setting them back could undo the set-up of a session that has just opened the port.
TEST_F(TransfersPtyTest, BetweenSessionsUnreadBytesGoButTheLineSettingsStay) {
  StartUnit(Late(160));
  EXPECT_EQ(Upload(VariedConfig(), *ports_, ComPort::kCom1).outcome,
            TransferOutcome::kUploadRefused);
  ASSERT_TRUE(unit_->WaitForTransactions(1, milliseconds(1000)));
  unit_->SetBehaviour(Silent());
  EXPECT_EQ(Upload(VariedConfig(), *ports_, ComPort::kCom1).outcome,
            TransferOutcome::kUploadRefused);

  std::this_thread::sleep_for(milliseconds(50));
  const int fd = open(unit_->DevicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  termios settings{};
  EXPECT_EQ(tcgetattr(fd, &settings), 0);
  close(fd);
  EXPECT_EQ(LineSettingsMismatch(settings), "");
}

TEST_F(TransfersPtyTest, UnitLogsALineThatWasNotSetUp) {
  StartUnit();
  const int fd = open(unit_->DevicePath().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  const uint8_t command = CMD_RECV_CONFIG;
  ASSERT_EQ(write(fd, &command, 1), 1);
  ASSERT_TRUE(unit_->WaitForTransactions(1, milliseconds(1000)));
  close(fd);
  const sim::Transaction t = unit_->Transactions().front();
  EXPECT_NE(t.lineProblem.find("speed"), std::string::npos) << t.lineProblem;
  EXPECT_NE(t.lineProblem.find("ICANON on"), std::string::npos) << t.lineProblem;
  EXPECT_NE(t.log.find("not set to 4800 baud 8N1 raw"), std::string::npos) << t.log;
}

// The far end closes part-way (the unit's program stops, as a USB adapter pulled out would):
// the transfer ends within a few tens of milliseconds of the hang-up, not after the line
// time or a run of time-outs, with its usual message's outcome and the reason. Stop itself
// must not wait for the rest of a paced frame.
class HangUpTest : public TransfersPtyTest, public testing::WithParamInterface<bool> {};

TEST_P(HangUpTest, EndsTheTransferAtOnceWithTheReason) {
  const bool upload = GetParam();
  StartUnit({.paced = true});
  UnitConfig config = before_;
  TransferResult result;
  Clock::time_point ended;
  std::thread transfer([&] {
    result = upload ? Upload(VariedConfig(), *ports_, ComPort::kCom1)
                    : Download(config, *ports_, ComPort::kCom1);
    ended = Clock::now();
  });
  std::this_thread::sleep_for(milliseconds(300));
  const auto stopping = Clock::now();
  unit_->Stop();  // closes the far end last
  const auto hungUp = Clock::now();
  EXPECT_LT(hungUp - stopping, milliseconds(100));
  transfer.join();
  const auto afterHangUp = std::chrono::duration_cast<milliseconds>(ended - hungUp);
  RecordProperty(
      "usAfterHangUp",
      static_cast<int>(
          std::chrono::duration_cast<std::chrono::microseconds>(ended - hungUp).count()));
  EXPECT_LT(afterHangUp, milliseconds(40));
  EXPECT_EQ(result.outcome,
            upload ? TransferOutcome::kUploadRefused : TransferOutcome::kDownloadTimeout);
  EXPECT_EQ(result.reason.message(), device_ + ": the device was disconnected");
  EXPECT_EQ(config, before_);
}

INSTANTIATE_TEST_SUITE_P(PartWay, HangUpTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "Upload" : "Download";
                         });

}  // namespace
}  // namespace tqr417
