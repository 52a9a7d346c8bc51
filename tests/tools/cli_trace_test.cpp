// send and recv --trace against the simulated unit, which traces the same exchange from its
// side: both traces hold the same bytes, in order.
#include <chrono>
#include <thread>

#include "config/defaults.h"
#include "file/config_file.h"
#include "link/config_frame.h"
#include "link/line_trace.h"
#include "support/trace_lines.h"
#include "tests/tools/cli_test_support.h"

namespace tqr417 {
namespace {

using test_support::ReadTrace;
using test_support::TracedBytes;
using test_support::TraceEvents;
using Events = std::vector<std::string>;

class CliPtyTraceTest : public CliPtyTest {
 protected:
  // Starts the unit with its own trace in unit.trace.
  void StartTracedUnit(sim::UnitBehaviour behaviour) {
    ASSERT_TRUE(unitTrace_.Open(Path("unit.trace")).ok());
    unit_ = std::make_unique<sim::SimulatedUnit>(StartupConfig(), behaviour);
    unit_->TraceTo(&unitTrace_);
    ASSERT_TRUE(unit_->Start().ok());
  }
  // The unit's trace, once it has seen the session end.
  std::vector<test_support::TraceLine> UnitTrace() {
    std::vector<test_support::TraceLine> lines = ReadTrace(Path("unit.trace"));
    for (int wait = 0; wait < 200 && (lines.empty() || lines.back().event != "close"); ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      lines = ReadTrace(Path("unit.trace"));
    }
    return lines;
  }

  LineTrace unitTrace_;
};

TEST_F(CliPtyTraceTest, PacedUploadTracesCommandFrameAndAnswerOnBothSides) {
  StartTracedUnit({.paced = true});
  ASSERT_EQ(Cli("new a.417").exitCode, 0);
  const CliRun run = Cli("send a.417 --trace send.trace" + Device());
  ASSERT_EQ(run.exitCode, 0) << Err();

  const auto sent = ReadTrace(Path("send.trace"));
  std::vector<uint8_t> expected = {0x42};
  const ConfigFrame frame = EncodeFrame(StartupConfig()).bytes;
  expected.insert(expected.end(), frame.begin(), frame.end());
  EXPECT_EQ(TracedBytes(sent, "sent"), expected);
  const Events events = TraceEvents(sent);
  EXPECT_EQ(events.front(), "open");
  EXPECT_NE(sent.front().details.find(": 4800 baud, 8 data bits, no parity, 1 stop bit, raw"),
            std::string::npos);
  EXPECT_EQ(Events(events.end() - 3, events.end()), (Events{"answer", "close", "result"}));
  EXPECT_EQ(sent[sent.size() - 3].details, "41 (accepted)");
  EXPECT_EQ(sent.back().details, "Data Received by TQR-417 OK");
  // The answer waits for the line time of 937 bytes at 4800 baud, 1952 ms.
  EXPECT_GE(sent[sent.size() - 3].ms, 1952.0);

  const auto received = UnitTrace();
  EXPECT_EQ(TracedBytes(received, "recv"), expected);
  EXPECT_TRUE(TracedBytes(received, "sent").empty());
  EXPECT_EQ(TraceEvents(received).front(), "open");
  EXPECT_EQ(received[received.size() - 2].details, "41 (accepted)");
}

TEST_F(CliPtyTraceTest, DownloadThatStopsTracesItsBytesThenTheTimeOut) {
  StartTracedUnit({.stopAfterBytes = 300});
  const CliRun run = Cli("recv b.417 --trace recv.trace" + Device());
  EXPECT_EQ(run.exitCode, 2) << Err();

  const auto got = ReadTrace(Path("recv.trace"));
  const ConfigFrame frame = EncodeFrame(StartupConfig()).bytes;
  const std::vector<uint8_t> first300(frame.begin(), frame.begin() + 300);
  EXPECT_EQ(TracedBytes(got, "sent"), std::vector<uint8_t>{0x41});
  EXPECT_EQ(TracedBytes(got, "recv"), first300);
  const Events events = TraceEvents(got);
  EXPECT_EQ(Events(events.end() - 3, events.end()), (Events{"timeout", "close", "result"}));
  const test_support::TraceLine& timeout = got[got.size() - 3];
  EXPECT_EQ(timeout.details.substr(0, 20), "0300: nothing within");
  EXPECT_GE(std::stod(timeout.details.substr(21)), 95.0) << timeout.details;
  EXPECT_EQ(got.back().details, "Timeout receiving Data from TQR-417, Check Cables");

  const auto unitSide = UnitTrace();
  EXPECT_EQ(TracedBytes(unitSide, "recv"), std::vector<uint8_t>{0x41});
  EXPECT_EQ(TracedBytes(unitSide, "sent"), first300);
}

TEST_F(CliPtyTraceTest, TraceThatCannotBeWrittenEndsTheCommandBeforeThePortOpens) {
  StartTracedUnit({});
  ASSERT_EQ(Cli("new a.417").exitCode, 0);
  const CliRun run = Cli("send a.417 --trace no/send.trace" + Device());
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(Err().find("Cannot write the trace file \"no/send.trace\""), std::string::npos)
      << Err();
  EXPECT_EQ(Err().find("Error"), std::string::npos) << "no transfer message: " << Err();
  EXPECT_FALSE(unit_->WaitForTransactions(1, std::chrono::milliseconds(200)));
  EXPECT_TRUE(ReadTrace(Path("unit.trace")).empty());
}

}  // namespace
}  // namespace tqr417
