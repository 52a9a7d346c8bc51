// The transfers over a scripted channel: what goes out, what each answer gives, and that a
// download changes the configuration only for a complete, intact frame.
#include "link/transfers.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/defaults.h"
#include "link/config_frame.h"
#include "link/serial_port_opener.h"
#include "link/unit_protocol.h"
#include "support/row_name.h"
#include "tests/link/sample_configs.h"
#include "tests/support/scripted_channel.h"

namespace tqr417 {
namespace {

std::vector<uint8_t> FrameOf(const UnitConfig& config) {
  const ConfigFrame bytes = EncodeFrame(config).bytes;
  return {bytes.begin(), bytes.end()};
}

TEST(UploadTest, SendsCommandFrameAndChecksumThenWaitsForTheLineBeforeReading) {
  ScriptedChannel channel;
  channel.incoming = {REPLY_ACCEPTED};
  const UnitConfig config = VariedConfig();
  EXPECT_EQ(UploadOver(channel, config).outcome, TransferOutcome::kUploadAccepted);

  std::vector<uint8_t> expected = {CMD_SEND_CONFIG};
  const std::vector<uint8_t> frame = FrameOf(config);
  expected.insert(expected.end(), frame.begin(), frame.end());
  EXPECT_EQ(channel.written, expected);
  // The checksum goes out as one word; the answer wait starts after all 937 bytes.
  EXPECT_EQ(channel.writeSizes.back(), 2u);
  EXPECT_EQ(channel.waitedAt, std::vector<size_t>{937});
  EXPECT_EQ(channel.reads, 1);
  EXPECT_EQ(channel.readsAfterWait, 1);
}

struct AnswerCase {
  const char* description;
  std::vector<uint16_t> answer;
  TransferOutcome outcome;
};

class UploadAnswerTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(UploadAnswerTest, OnlyTheAcceptedReplyCounts) {
  ScriptedChannel channel;
  channel.incoming.assign(GetParam().answer.begin(), GetParam().answer.end());
  EXPECT_EQ(UploadOver(channel, StartupConfig()).outcome, GetParam().outcome);
  EXPECT_EQ(channel.reads, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, UploadAnswerTest,
    testing::Values(AnswerCase{"Accepted", {0x41}, TransferOutcome::kUploadAccepted},
                    AnswerCase{"OtherByte", {0x4E}, TransferOutcome::kUploadRefused},
                    AnswerCase{"AllOnesByte", {0xFF}, TransferOutcome::kUploadRefused},
                    AnswerCase{"Silence", {}, TransferOutcome::kUploadRefused},
                    AnswerCase{
                        "AcceptedAfterATimeOut", {NO_DATA, 0x41}, TransferOutcome::kUploadRefused}),
    tqr417::test_support::RowName{});

class DownloadTest : public testing::Test {
 protected:
  // The configuration held before the download; every failure must leave it so.
  const UnitConfig before_ = StartupConfig();
  UnitConfig config_ = before_;
  ScriptedChannel channel_;
};

TEST_F(DownloadTest, IntactFrameReplacesTheWholeConfiguration) {
  const UnitConfig unit = VariedConfig();
  const std::vector<uint8_t> frame = FrameOf(unit);
  channel_.Queue(frame);
  EXPECT_EQ(DownloadOver(channel_, config_).outcome, TransferOutcome::kDownloadOk);
  EXPECT_EQ(channel_.written, std::vector<uint8_t>{CMD_RECV_CONFIG});
  EXPECT_EQ(channel_.waitedAt, std::vector<size_t>{1});
  EXPECT_EQ(channel_.readsAfterWait, FRAME_SIZE);
  EXPECT_EQ(config_, AfterFrame(unit));
  EXPECT_EQ(config_.dialog.morseText, "CQ TQR417 DE TEST");
}

TEST_F(DownloadTest, AllOnesBytesAreDataNotTimeOuts) {
  const UnitConfig unit = AllOnesConfig();
  channel_.Queue(FrameOf(unit));
  ASSERT_EQ(DownloadOver(channel_, config_).outcome, TransferOutcome::kDownloadOk);
  EXPECT_EQ(config_.functionTable.relayDurationMs[99], -1);
  EXPECT_EQ(config_.dialog.sidetoneGain, -1);
  EXPECT_EQ(config_.main.toneMode, 255);
  EXPECT_EQ(config_.dialog.morseText, std::string(MORSE_FIELD_LEN, '\xFF'));
}

TEST_F(DownloadTest, WrongChecksumChangesNothing) {
  std::vector<uint8_t> frame = FrameOf(VariedConfig());
  ++frame[FRAME_SIZE - 1];
  channel_.Queue(frame);
  EXPECT_EQ(DownloadOver(channel_, config_).outcome, TransferOutcome::kDownloadBadChecksum);
  EXPECT_EQ(config_, before_);
}

// A unit that stops after byte N, for every N across the frame: the download stops at the
// first missing byte (no run of further time-outs) and nothing is replaced.
TEST_F(DownloadTest, StopAnywhereStopsAtTheFirstMissingByteAndChangesNothing) {
  const std::vector<uint8_t> frame = FrameOf(VariedConfig());
  for (int sent = 0; sent < FRAME_SIZE; ++sent) {
    SCOPED_TRACE(sent);
    UnitConfig config = before_;
    ScriptedChannel channel;
    channel.Queue(std::span(frame).first(static_cast<size_t>(sent)));
    ASSERT_EQ(DownloadOver(channel, config).outcome, TransferOutcome::kDownloadTimeout);
    ASSERT_EQ(channel.reads, sent + 1);
    ASSERT_EQ(config, before_);
  }
}

TEST_F(DownloadTest, TimeOutInTheMiddleIsNotSkipped) {
  const std::vector<uint8_t> frame = FrameOf(VariedConfig());
  channel_.Queue(std::span(frame).first(100));
  channel_.incoming.push_back(NO_DATA);
  channel_.Queue(std::span(frame).subspan(100));
  EXPECT_EQ(DownloadOver(channel_, config_).outcome, TransferOutcome::kDownloadTimeout);
  EXPECT_EQ(channel_.reads, 101);
  EXPECT_EQ(config_, before_);
}

// A line that fails (a write refused, a hang-up while the bytes leave or while waiting for
// the unit) ends the transfer at once: nothing more is written or read, the outcome is the
// usual failure with the line's reason, and a download changes nothing.
struct LineFaultCase {
  const char* description;
  bool upload;
  ScriptedChannel::Fault fault;
  size_t faultAt;
  size_t written;  // bytes that went out before the failure
  int reads;       // reads tried, the failing one included
};

class LineFaultTest : public testing::TestWithParam<LineFaultCase> {};

TEST_P(LineFaultTest, EndsTheTransferAtOnceWithTheReason) {
  const LineFaultCase& c = GetParam();
  ScriptedChannel channel;
  channel.fault = c.fault;
  channel.faultAt = c.faultAt;
  const UnitConfig before = StartupConfig();
  UnitConfig config = before;
  TransferResult result;
  if (c.upload) {
    channel.incoming = {REPLY_ACCEPTED};
    result = UploadOver(channel, VariedConfig());
    EXPECT_EQ(result.outcome, TransferOutcome::kUploadRefused);
  } else {
    channel.Queue(FrameOf(VariedConfig()));
    result = DownloadOver(channel, config);
    EXPECT_EQ(result.outcome, TransferOutcome::kDownloadTimeout);
    EXPECT_EQ(config, before);
  }
  EXPECT_EQ(result.reason.message(), ScriptedChannel::kFailure);
  EXPECT_EQ(channel.written.size(), c.written);
  EXPECT_EQ(channel.reads, c.reads);
}

using Fault = ScriptedChannel::Fault;
INSTANTIATE_TEST_SUITE_P(
    Faults, LineFaultTest,
    testing::Values(LineFaultCase{"UploadCommandRefused", true, Fault::kWrite, 0, 0, 0},
                    LineFaultCase{"UploadFrameRefused", true, Fault::kWrite, 1, 1, 0},
                    LineFaultCase{"UploadChecksumRefused", true, Fault::kWrite, 935, 935, 0},
                    LineFaultCase{"UploadHangUpWhileTheFrameLeaves", true, Fault::kWait, 0, 937, 0},
                    LineFaultCase{"UploadHangUpAwaitingTheAnswer", true, Fault::kRead, 0, 937, 1},
                    LineFaultCase{"DownloadCommandRefused", false, Fault::kWrite, 0, 0, 0},
                    LineFaultCase{"DownloadHangUpWhileTheCommandLeaves", false, Fault::kWait, 0, 1,
                                  0},
                    LineFaultCase{"DownloadHangUpBeforeTheFrame", false, Fault::kRead, 0, 1, 1},
                    LineFaultCase{"DownloadHangUpPartWay", false, Fault::kRead, 500, 1, 501}),
    tqr417::test_support::RowName{});

struct MessageCase {
  TransferOutcome outcome;
  const char* text;
  MessageIcon icon;
  bool success;
};

TEST(TransferMessageTest, EveryOutcomeHasItsTextAndIcon) {
  const MessageCase cases[] = {
      {TransferOutcome::kOpenFailed, "Error Opening Comm Port", MessageIcon::kStop, false},
      {TransferOutcome::kUploadAccepted, "Data Received by TQR-417 OK", MessageIcon::kNone, true},
      {TransferOutcome::kUploadRefused, "Error in Data sent to TQR-417", MessageIcon::kStop, false},
      {TransferOutcome::kDownloadTimeout, "Timeout receiving Data from TQR-417, Check Cables",
       MessageIcon::kStop, false},
      {TransferOutcome::kDownloadBadChecksum, "Error in Data Received from TQR-417",
       MessageIcon::kStop, false},
      {TransferOutcome::kDownloadOk, "Data received from TQR-417 OK", MessageIcon::kNone, true},
  };
  for (const MessageCase& c : cases) {
    const OutcomeMessage message = MessageFor(c.outcome);
    EXPECT_EQ(message.text, c.text);
    EXPECT_EQ(message.icon, c.icon) << c.text;
    EXPECT_EQ(Succeeded(c.outcome), c.success) << c.text;
  }
}

TEST(TransferOpenTest, MissingDeviceFailsBeforeAnythingIsSentNamingIt) {
  SerialPortOpener ports = SerialPortOpener::ForDevice("/dev/tqr417-no-such-port");
  const TransferResult result = Upload(StartupConfig(), ports, ComPort::kCom1);
  EXPECT_EQ(result.outcome, TransferOutcome::kOpenFailed);
  EXPECT_NE(result.reason.message().find("/dev/tqr417-no-such-port"), std::string::npos);

  UnitConfig config = VariedConfig();
  const TransferResult download = Download(config, ports, ComPort::kCom2);
  EXPECT_EQ(download.outcome, TransferOutcome::kOpenFailed);
  EXPECT_EQ(config, VariedConfig());
}

}  // namespace
}  // namespace tqr417
