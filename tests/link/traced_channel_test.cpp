// A traced transfer over a scripted port: the trace holds what went over the line in order,
// the answer, time-outs, the line's failure and the close, and the transfer's outcome is that
// of the untraced line.
#include "link/traced_channel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "config/defaults.h"
#include "link/config_frame.h"
#include "link/transfers.h"
#include "link/unit_protocol.h"
#include "support/trace_lines.h"
#include "tests/link/sample_configs.h"
#include "tests/support/scripted_port_opener.h"

namespace tqr417 {
namespace {

namespace fs = std::filesystem;
using test_support::ReadTrace;
using test_support::TracedBytes;
using test_support::TraceEvents;
using Events = std::vector<std::string>;

class TracedTransferTest : public testing::Test {
 protected:
  void SetUp() override {
    path_ = (fs::temp_directory_path() /
             ("tqr417-trace-" +
              std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".txt"))
                .string();
    ASSERT_TRUE(trace_->Open(path_).ok());
  }
  // The trace is closed first: Windows does not remove an open file.
  void TearDown() override {
    trace_.reset();
    fs::remove(path_);
  }

  std::vector<test_support::TraceLine> Lines() { return ReadTrace(path_); }

  std::string path_;
  std::unique_ptr<LineTrace> trace_ = std::make_unique<LineTrace>();
  ScriptedPortOpener ports_;
  TracingPortOpener traced_{ports_, *trace_};
};

TEST_F(TracedTransferTest, UploadTracesCommandFrameAndAnswerInOrder) {
  ports_.channel.incoming = {REPLY_ACCEPTED};
  const UnitConfig config = VariedConfig();
  EXPECT_EQ(Upload(config, traced_, ComPort::kCom1).outcome, TransferOutcome::kUploadAccepted);

  const auto lines = Lines();
  std::vector<uint8_t> expected = {CMD_SEND_CONFIG};
  const ConfigFrame frame = EncodeFrame(config).bytes;
  expected.insert(expected.end(), frame.begin(), frame.end());
  EXPECT_EQ(TracedBytes(lines, "sent"), expected);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front().event, "open");
  // The command byte is a write of its own, and so a line of its own.
  EXPECT_EQ(lines[1].details, "0000: 42");
  EXPECT_EQ(lines[lines.size() - 2].event, "answer");
  EXPECT_EQ(lines[lines.size() - 2].details, "41 (accepted)");
  EXPECT_EQ(lines.back().event, "close");
  EXPECT_TRUE(TracedBytes(lines, "recv").empty());
  EXPECT_TRUE(trace_->WriteFailure().ok());
}

TEST_F(TracedTransferTest, DownloadThatStopsTracesItsBytesThenTheTimeOut) {
  const ConfigFrame frame = EncodeFrame(StartupConfig()).bytes;
  ports_.channel.Queue(std::span<const uint8_t>(frame).first(400));
  UnitConfig config = StartupConfig();
  EXPECT_EQ(Download(config, traced_, ComPort::kCom1).outcome, TransferOutcome::kDownloadTimeout);

  const auto lines = Lines();
  EXPECT_EQ(TracedBytes(lines, "recv"), std::vector<uint8_t>(frame.begin(), frame.begin() + 400));
  // 400 bytes one at a time fill 25 lines of 16.
  const Events events = TraceEvents(lines);
  Events expected = {"open", "sent"};
  expected.insert(expected.end(), 25, "recv");
  expected.insert(expected.end(), {"timeout", "close"});
  ASSERT_EQ(events, expected);
  EXPECT_EQ(lines[lines.size() - 2].details.substr(0, 22), "0400: nothing within 0");
}

TEST_F(TracedTransferTest, FailedLineIsTracedWithItsReasonAndStillReachesTheTransfer) {
  ports_.channel.fault = ScriptedChannel::Fault::kWrite;
  ports_.channel.faultAt = 100;
  const TransferResult result = Upload(StartupConfig(), traced_, ComPort::kCom1);
  EXPECT_EQ(result.outcome, TransferOutcome::kUploadRefused);
  EXPECT_EQ(result.reason.message(), ScriptedChannel::kFailure);

  const auto lines = Lines();
  ASSERT_EQ(TraceEvents(lines), (Events{"open", "sent", "failed", "close"}));
  EXPECT_EQ(lines[2].details, ScriptedChannel::kFailure);
}

TEST_F(TracedTransferTest, PortThatDoesNotOpenIsTracedAsAFailure) {
  ports_.refusal = Status::Error(StatusCode::kIoError, "Cannot open Com1 (/dev/none): gone");
  UnitConfig config = StartupConfig();
  EXPECT_EQ(Download(config, traced_, ComPort::kCom1).outcome, TransferOutcome::kOpenFailed);
  trace_->Result("Error Opening Comm Port");

  const auto lines = Lines();
  ASSERT_EQ(TraceEvents(lines), (Events{"failed", "result"}));
  EXPECT_EQ(lines[0].details, "Cannot open Com1 (/dev/none): gone");
}

TEST(LineTraceTest, FileThatCannotBeWrittenIsRefusedNamingIt) {
  LineTrace trace;
  const std::string folder = fs::temp_directory_path().string();
  const std::string missing = (fs::temp_directory_path() / "tqr417-no-folder" / "t.txt").string();
  for (const std::string& path : {folder, missing}) {
    const Status opened = trace.Open(path);
    EXPECT_EQ(opened.code(), StatusCode::kIoError);
    EXPECT_NE(opened.message().find("\"" + path + "\""), std::string::npos) << opened.message();
    EXPECT_FALSE(trace.IsOpen());
  }
}

}  // namespace
}  // namespace tqr417
