// "Send to 417" and "Recv from 417" over a scripted channel handed to the window as its port.

#include <algorithm>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "link/config_frame.h"
#include "link/unit_protocol.h"
#include "resources/resource_ids.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

namespace ids = res::setup;

// What a unit keeps of a configuration: the frame's conversions applied.
UnitConfig ThroughFrame(const UnitConfig& config) {
  return DecodeFrame(EncodeFrame(config).bytes).config;
}

// A configuration a unit might hold: Dual mode, momentary MON relay, marked entries.
UnitConfig UnitHeldConfig() {
  UnitConfig held = StartupConfig();
  held.main.toneMode = 1;
  held.main.monRelayMode = 2;
  held.main.monMomentaryMs = 250;
  held.functionTable.relay[0] = "R01";
  held.functionTable.relayDurationMs[0] = 700;
  held.functionTable.toneActive[3] = 0;
  held.dialog.morseText = "DE TQR";
  return ThroughFrame(held);
}

std::vector<uint8_t> FrameOf(const UnitConfig& config) {
  const ConfigFrame bytes = EncodeFrame(config).bytes;
  return {bytes.begin(), bytes.end()};
}

class TransferCommandsTest : public SetupWindowTest {
 protected:
  void UnitAnswers(uint16_t answer) { ports_.channel.incoming = {answer}; }
  void UnitSends(const std::vector<uint8_t>& frame) { ports_.channel.Queue(frame); }

  void NoPortAttached() {
    ports_.refusal = Status::Error(StatusCode::kIoError,
                                   "Cannot open Com1 (/dev/tqr417-no-such-port): there is no "
                                   "such device (No such file or directory)");
  }

  // The configuration the window sent, as the unit takes it from the frame.
  UnitConfig Sent() const {
    const std::vector<uint8_t>& written = ports_.channel.written;
    EXPECT_EQ(written.size(), 1u + FRAME_SIZE);
    EXPECT_EQ(written.front(), CMD_SEND_CONFIG);
    ConfigFrame frame{};
    if (written.size() == 1u + FRAME_SIZE)
      std::copy(written.begin() + 1, written.end(), frame.begin());
    return DecodeFrame(frame).config;
  }

  // The one message shown, or an empty record when not exactly one.
  fw::ScriptedRunner::MessageRecord OnlyMessage() const {
    EXPECT_EQ(runner_.Messages().size(), 1u);
    return runner_.Messages().size() == 1 ? runner_.Messages()[0]
                                          : fw::ScriptedRunner::MessageRecord{};
  }
};

using TransferCommandsRunTest = InEachWindowRun<TransferCommandsTest>;

TEST_P(TransferCommandsRunTest, UploadSendsWhatTheWindowShows) {
  Act([&] {
    UnitAnswers(REPLY_ACCEPTED);
    TypeCell(grid::kRelay, 2, "R02");
    TypeCell(grid::kDuration, 2, "1500");
    TypeCell(grid::kDigitalOutput, 4, "21");
    Driver().Click(ids::IDC_AUDIO_LOOPBACK);
    Driver().Click(ids::IDC_MON_MOMENTARY);
    Driver().Type(ids::IDC_MON_MOMENTARY_MS, "900");
    Scroll(SB_LINEDOWN);               // entry 1's row moves away; the table keeps it
    TypeCell(grid::kCtcss, 10, "12");  // entry 11, shown but not yet stored

    Driver().Click(ids::IDC_SEND);

    const auto message = OnlyMessage();
    EXPECT_EQ(message.text, OnPort("Data Received by TQR-417 OK"));
    EXPECT_EQ(message.icon, 0u);
    EXPECT_EQ(ports_.opened, std::vector<ComPort>{ComPort::kCom1});
    EXPECT_EQ(ports_.queueSizes, std::vector<int>{UPLOAD_OUTPUT_QUEUE});
    EXPECT_FALSE(ports_.held);
    const UnitConfig held = Sent();
    EXPECT_EQ(held, ThroughFrame(config_));
    EXPECT_EQ(held.functionTable.relay[2], "R02");
    EXPECT_EQ(held.functionTable.relayDurationMs[2], 1500);
    EXPECT_EQ(held.functionTable.digitalOutput[4], 21);
    EXPECT_EQ(held.functionTable.ctcssCode[11], 12);
    EXPECT_EQ(held.main.audioLoopback, 1);
    EXPECT_EQ(held.main.monRelayMode, 2);
    EXPECT_EQ(held.main.monMomentaryMs, 900);
  });
}

TEST_P(TransferCommandsRunTest, UploadWithAFieldOutOfRangeReportsItAndSendsAllTheSame) {
  Act([&] {
    UnitAnswers(REPLY_ACCEPTED);
    TypeCell(grid::kCtcss, 1, "70");
    Driver().Click(ids::IDC_SEND);
    ASSERT_EQ(runner_.Messages().size(), 2u);
    EXPECT_NE(runner_.Messages()[0].text.find("64"), std::string::npos);
    EXPECT_EQ(runner_.Messages()[1].text, OnPort("Data Received by TQR-417 OK"));
    EXPECT_EQ(Sent().functionTable.ctcssCode[1], 70);
  });
}

TEST_P(TransferCommandsRunTest, RefusedUploadShowsTheErrorWithAStopIcon) {
  Act([&] {
    UnitAnswers(0x4E);
    Driver().Click(ids::IDC_SEND);
    const auto message = OnlyMessage();
    EXPECT_EQ(message.text, OnPort("Error in Data sent to TQR-417"));
    EXPECT_EQ(message.icon, MB_ICONHAND);
  });
}

TEST_P(TransferCommandsRunTest, UploadWithoutAPortStoresTheRowsAndReports) {
  Act([&] {
    NoPortAttached();
    TypeCell(grid::kDigitalOutput, 1, "9");
    Driver().Click(ids::IDC_SEND);
    const auto message = OnlyMessage();
    const std::string& text = message.text;
    EXPECT_EQ(text, "Error Opening Comm Port\n\n" + ports_.refusal.message());
    EXPECT_EQ(message.icon, MB_ICONHAND);
    EXPECT_EQ(config_.functionTable.digitalOutput[1], 9);
    EXPECT_TRUE(ports_.channel.written.empty());
  });
}

TEST_P(TransferCommandsRunTest, DownloadReplacesTheConfigurationAndRefreshes) {
  Act([&] {
    UnitSends(FrameOf(UnitHeldConfig()));
    Scroll(SB_THUMBPOSITION, 6);
    Driver().Click(ids::IDC_RECV);
    const auto message = OnlyMessage();
    EXPECT_EQ(message.text, OnPort("Data received from TQR-417 OK"));
    EXPECT_EQ(message.icon, 0u);
    EXPECT_EQ(config_, ThroughFrame(UnitHeldConfig()));
    EXPECT_EQ(ports_.channel.written, std::vector<uint8_t>{CMD_RECV_CONFIG});
    EXPECT_EQ(ports_.queueSizes, std::vector<int>{DOWNLOAD_OUTPUT_QUEUE});
    EXPECT_TRUE(Checked(ids::IDC_DUAL));
    EXPECT_EQ(RowLabel(1), "F00");
    EXPECT_EQ(Text(GridId(grid::kRelay, 1)), "R01");
    EXPECT_EQ(Text(GridId(grid::kDuration, 1)), "700");
    EXPECT_FALSE(Enabled(GridId(grid::kDuration, 4)));
    EXPECT_TRUE(Enabled(ids::IDC_MON_MOMENTARY_MS));
    EXPECT_EQ(Thumb(), 6);
  });
}

TEST_P(TransferCommandsRunTest, DownloadIntoSingleModeWithoutMomentaryTime) {
  Act([&] {
    for (int monRelayMode : {0, 1}) {
      SCOPED_TRACE(monRelayMode);
      UnitConfig unit = UnitHeldConfig();
      unit.main.toneMode = 0;
      unit.main.monRelayMode = monRelayMode;
      state_.comPort = ComPort::kCom2;
      UnitSends(FrameOf(unit));
      Driver().Click(ids::IDC_RECV);
      EXPECT_EQ(OnlyMessage().text, OnPort("Data received from TQR-417 OK", ComPort::kCom2));
      EXPECT_EQ(config_, ThroughFrame(unit));
      EXPECT_TRUE(Checked(ids::IDC_SINGLE));
      EXPECT_EQ(state_.scrollMax, 7);
      EXPECT_EQ(RowLabel(1), "F01");
      EXPECT_FALSE(Enabled(ids::IDC_MON_MOMENTARY_MS));
      EXPECT_EQ(state_.comPort, ComPort::kCom2);
      runner_.ClearRecords();
    }
  });
}

TEST_P(TransferCommandsRunTest, FailedOpenStillRefreshesFromTheFirstEntry) {
  Act([&] {
    NoPortAttached();
    Scroll(SB_THUMBPOSITION, 5);
    TypeCell(grid::kDigitalOutput, 3, "60");
    Driver().Click(ids::IDC_RECV);
    const auto message = OnlyMessage();
    const std::string& text = message.text;
    EXPECT_EQ(text, "Error Opening Comm Port\n\n" + ports_.refusal.message());
    EXPECT_EQ(message.icon, MB_ICONHAND);
    EXPECT_EQ(config_, StartupConfig());
    EXPECT_EQ(state_.windowTop, 1);
    EXPECT_EQ(RowLabel(1), "F01");
    EXPECT_EQ(Text(GridId(grid::kDigitalOutput, 3)),
              std::to_string(config_.functionTable.digitalOutput[3]));
  });
}

TEST_P(TransferCommandsRunTest, SilentUnitTimesOutAndChangesNothing) {
  Act([&] {
    Driver().Click(ids::IDC_RECV);
    const auto message = OnlyMessage();
    EXPECT_EQ(message.text, OnPort("Timeout receiving Data from TQR-417, Check Cables"));
    EXPECT_EQ(message.icon, MB_ICONHAND);
    EXPECT_EQ(config_, StartupConfig());
  });
}

TEST_P(TransferCommandsRunTest, DamagedFrameIsReportedAndNotTaken) {
  Act([&] {
    std::vector<uint8_t> frame = FrameOf(UnitHeldConfig());
    ++frame.back();
    UnitSends(frame);
    Driver().Click(ids::IDC_RECV);
    EXPECT_EQ(OnlyMessage().text, OnPort("Error in Data Received from TQR-417"));
    EXPECT_EQ(config_, StartupConfig());
    EXPECT_EQ(RowLabel(1), "F01");
  });
}

// A line that fails part-way: the outcome's message, then the reason naming port and device.
TEST_P(TransferCommandsRunTest, LineFailingPartWayIsReportedWithTheReason) {
  Act([&] {
    UnitAnswers(REPLY_ACCEPTED);
    ports_.channel.fault = ScriptedChannel::Fault::kWait;
    Driver().Click(ids::IDC_SEND);
    Reactivate();
    ports_.channel = ScriptedChannel();
    UnitSends(FrameOf(UnitHeldConfig()));
    ports_.channel.fault = ScriptedChannel::Fault::kRead;
    ports_.channel.faultAt = 300;
    Driver().Click(ids::IDC_RECV);

    ASSERT_EQ(runner_.Messages().size(), 2u);
    EXPECT_EQ(runner_.Messages()[0].text,
              std::string("Error in Data sent to TQR-417\n\n") + ScriptedChannel::kFailure);
    EXPECT_EQ(runner_.Messages()[1].text,
              std::string("Timeout receiving Data from TQR-417, Check Cables\n\n") +
                  ScriptedChannel::kFailure);
    EXPECT_EQ(runner_.Messages()[1].icon, MB_ICONHAND);
    EXPECT_EQ(config_, StartupConfig());
    EXPECT_FALSE(ports_.held);
  });
}

TEST_P(TransferCommandsRunTest, PortChosenInThePortDialogIsTheOneOpened) {
  Act([&] {
    UnitSends(FrameOf(UnitHeldConfig()));
    runner_.OnDialog(res::IDD_PORT, [](fw::DialogDriver& d) {
      d.Click(res::IDC_PORT_COM2);
      d.Enter();
    });
    Driver().Click(ids::IDC_COM_PORT);
    Reactivate();
    Driver().Click(ids::IDC_RECV);
    EXPECT_EQ(state_.comPort, ComPort::kCom2);
    EXPECT_EQ(ports_.opened, std::vector<ComPort>{ComPort::kCom2});
    EXPECT_EQ(OnlyMessage().text, OnPort("Data received from TQR-417 OK", ComPort::kCom2));
  });
}

// Answers message boxes like the scripted runner, and looks at the port meanwhile.
class PortProbingRunner : public fw::ScriptedRunner {
 public:
  explicit PortProbingRunner(const ScriptedPortOpener& ports) : ports_(ports) {}
  int ShowMessage(const fw::MessageRequest& request, CDialog* owner) override {
    heldDuringMessage.push_back(ports_.held);
    return fw::ScriptedRunner::ShowMessage(request, owner);
  }
  std::vector<bool> heldDuringMessage;

 private:
  const ScriptedPortOpener& ports_;
};

// The upload holds the port until its result has been seen; the download has closed it
// before its result is shown. Neither keeps it afterwards.
TEST_P(TransferCommandsRunTest, PortIsReleasedInEachTransfersOrder) {
  Act([&] {
    PortProbingRunner probing(ports_);
    {
      fw::ScopedModalRunner use(probing);
      UnitAnswers(REPLY_ACCEPTED);
      Dlg().OnSendConfig();
      UnitSends(FrameOf(UnitHeldConfig()));
      Dlg().OnRecvConfig();
      Dlg().OnSendConfig();  // a silent unit
      Dlg().OnRecvConfig();
    }
    std::vector<std::string> texts;
    for (const auto& message : probing.Messages()) texts.push_back(message.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{
                  OnPort("Data Received by TQR-417 OK"), OnPort("Data received from TQR-417 OK"),
                  OnPort("Error in Data sent to TQR-417"),
                  OnPort("Timeout receiving Data from TQR-417, Check Cables")}));
    EXPECT_EQ(probing.heldDuringMessage, (std::vector<bool>{true, false, true, false}));
    EXPECT_FALSE(ports_.held);
  });
}

INSTANTIATE_TEST_SUITE_P(Runs, TransferCommandsRunTest, kEachWindowRun, WindowRunName{});

}  // namespace
}  // namespace tqr417::ui::testing
