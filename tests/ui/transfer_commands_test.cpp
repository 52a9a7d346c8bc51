// "Send to 417" and "Recv from 417" against the simulated unit on a pseudo-terminal, reached
// through the Com1 device variable as the application reaches a real port.

#include <stdlib.h>

#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>

#include "config/defaults.h"
#include "framework/qt/qt_access.h"
#include "framework/wait_cursor.h"
#include "link/config_frame.h"
#include "link/serial_link.h"
#include "resources/resource_ids.h"
#include "tests/ui/setup_window_fixture.h"
#include "tools/sim/simulated_unit.h"

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

class TransferCommandsTest : public SetupWindowTest {
 protected:
  void TearDown() override {
    SetupWindowTest::TearDown();
    if (unit_) unit_->Stop();
    unsetenv("TQR417_COM1");
  }

  void StartUnit(sim::UnitBehaviour behaviour = {}) {
    unit_ = std::make_unique<sim::SimulatedUnit>(UnitHeldConfig(), behaviour);
    ASSERT_TRUE(unit_->Start().ok());
    setenv("TQR417_COM1", unit_->DevicePath().c_str(), 1);
  }

  void NoPortAttached() { setenv("TQR417_COM1", "/dev/tqr417-no-such-port", 1); }

  // The one message shown, or an empty record when not exactly one.
  fw::ScriptedRunner::MessageRecord OnlyMessage() const {
    EXPECT_EQ(runner_.Messages().size(), 1u);
    return runner_.Messages().size() == 1 ? runner_.Messages()[0]
                                          : fw::ScriptedRunner::MessageRecord{};
  }

  std::unique_ptr<sim::SimulatedUnit> unit_;
};

TEST_F(TransferCommandsTest, UploadSendsWhatTheWindowShows) {
  StartUnit();
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
  EXPECT_EQ(message.text, "Data Received by TQR-417 OK");
  EXPECT_EQ(message.icon, 0u);
  const UnitConfig held = unit_->Held();
  EXPECT_EQ(held, ThroughFrame(config_));
  EXPECT_EQ(held.functionTable.relay[2], "R02");
  EXPECT_EQ(held.functionTable.relayDurationMs[2], 1500);
  EXPECT_EQ(held.functionTable.digitalOutput[4], 21);
  EXPECT_EQ(held.functionTable.ctcssCode[11], 12);
  EXPECT_EQ(held.main.audioLoopback, 1);
  EXPECT_EQ(held.main.monRelayMode, 2);
  EXPECT_EQ(held.main.monMomentaryMs, 900);
}

TEST_F(TransferCommandsTest, UploadWithAFieldOutOfRangeReportsItAndSendsAllTheSame) {
  StartUnit();
  TypeCell(grid::kCtcss, 1, "70");
  Driver().Click(ids::IDC_SEND);
  ASSERT_EQ(runner_.Messages().size(), 2u);
  EXPECT_NE(runner_.Messages()[0].text.str().find("64"), std::string::npos);
  EXPECT_EQ(runner_.Messages()[1].text, "Data Received by TQR-417 OK");
  EXPECT_EQ(unit_->Held().functionTable.ctcssCode[1], 70);
}

TEST_F(TransferCommandsTest, RefusedUploadShowsTheErrorWithAStopIcon) {
  sim::UnitBehaviour refusing;
  refusing.refuse = true;
  StartUnit(refusing);
  Driver().Click(ids::IDC_SEND);
  const auto message = OnlyMessage();
  EXPECT_EQ(message.text, "Error in Data sent to TQR-417");
  EXPECT_EQ(message.icon, MB_ICONHAND);
}

TEST_F(TransferCommandsTest, UploadWithoutAPortStoresTheRowsAndReports) {
  NoPortAttached();
  TypeCell(grid::kDigitalOutput, 1, "9");
  Driver().Click(ids::IDC_SEND);
  const auto message = OnlyMessage();
  const std::string& text = message.text.str();
  EXPECT_EQ(text.substr(0, text.find('\n')), "Error Opening Comm Port");
  EXPECT_NE(text.find("Com1 (/dev/tqr417-no-such-port)"), std::string::npos) << text;
  EXPECT_EQ(message.icon, MB_ICONHAND);
  EXPECT_EQ(config_.functionTable.digitalOutput[1], 9);
}

TEST_F(TransferCommandsTest, DownloadReplacesTheConfigurationAndRefreshes) {
  StartUnit();
  Scroll(SB_THUMBPOSITION, 6);
  Driver().Click(ids::IDC_RECV);
  const auto message = OnlyMessage();
  EXPECT_EQ(message.text, "Data received from TQR-417 OK");
  EXPECT_EQ(message.icon, 0u);
  EXPECT_EQ(config_, ThroughFrame(unit_->Held()));
  EXPECT_TRUE(Checked(ids::IDC_DUAL));
  EXPECT_EQ(RowLabel(1), "F00");
  EXPECT_EQ(Text(GridId(grid::kRelay, 1)), "R01");
  EXPECT_EQ(Text(GridId(grid::kDuration, 1)), "700");
  EXPECT_FALSE(Enabled(GridId(grid::kDuration, 4)));
  EXPECT_TRUE(Enabled(ids::IDC_MON_MOMENTARY_MS));
  EXPECT_EQ(Thumb(), 6);
}

TEST_F(TransferCommandsTest, FailedOpenStillRefreshesFromTheFirstEntry) {
  NoPortAttached();
  Scroll(SB_THUMBPOSITION, 5);
  TypeCell(grid::kDigitalOutput, 3, "60");
  Driver().Click(ids::IDC_RECV);
  const auto message = OnlyMessage();
  const std::string& text = message.text.str();
  EXPECT_EQ(text.substr(0, text.find('\n')), "Error Opening Comm Port");
  EXPECT_NE(text.find("Com1 (/dev/tqr417-no-such-port)"), std::string::npos) << text;
  EXPECT_EQ(message.icon, MB_ICONHAND);
  EXPECT_EQ(config_, StartupConfig());
  EXPECT_EQ(state_.windowTop, 1);
  EXPECT_EQ(RowLabel(1), "F01");
  EXPECT_EQ(Text(GridId(grid::kDigitalOutput, 3)),
            std::to_string(config_.functionTable.digitalOutput[3]));
}

TEST_F(TransferCommandsTest, SilentUnitTimesOutAndChangesNothing) {
  sim::UnitBehaviour silent;
  silent.silent = true;
  StartUnit(silent);
  Driver().Click(ids::IDC_RECV);
  const auto message = OnlyMessage();
  EXPECT_EQ(message.text, "Timeout receiving Data from TQR-417, Check Cables");
  EXPECT_EQ(message.icon, MB_ICONHAND);
  EXPECT_EQ(config_, StartupConfig());
}

TEST_F(TransferCommandsTest, DamagedFrameIsReportedAndNotTaken) {
  sim::UnitBehaviour damaging;
  damaging.wrongChecksum = true;
  StartUnit(damaging);
  Driver().Click(ids::IDC_RECV);
  EXPECT_EQ(OnlyMessage().text, "Error in Data Received from TQR-417");
  EXPECT_EQ(config_, StartupConfig());
  EXPECT_EQ(RowLabel(1), "F01");
}

TEST_F(TransferCommandsTest, WindowTakesNoInputWhileTheLineIsHeld) {
  StartUnit();
  const int droppedBefore = CWaitCursor::DroppedInputEvents();
  QWidget* exitButton = tqr417::fw::QtWidget(Dlg().GetDlgItem(ids::IDC_EXIT));
  QWidget* ctcss = tqr417::fw::QtWidget(Dlg().GetDlgItem(GridId(grid::kCtcss, 1)));
  bool clicked = false;
  QTimer::singleShot(300, [&] {
    QTest::mouseClick(exitButton, Qt::LeftButton);
    QTest::keyClick(ctcss, Qt::Key_7);
    tqr417::fw::QtWindow(Dlg())->close();  // the close box
    clicked = true;
  });
  Driver().Click(ids::IDC_SEND);
  EXPECT_TRUE(clicked);
  EXPECT_GT(CWaitCursor::DroppedInputEvents(), droppedBefore);
  EXPECT_FALSE(Dlg().HasEnded());
  EXPECT_TRUE(tqr417::fw::QtWindow(Dlg())->isVisible());
  EXPECT_EQ(Text(GridId(grid::kCtcss, 1)), "0");
  EXPECT_EQ(OnlyMessage().text, "Data Received by TQR-417 OK");
}

TEST_F(TransferCommandsTest, PortChosenInThePortDialogIsTheOneOpened) {
  StartUnit();
  setenv("TQR417_COM2", unit_->DevicePath().c_str(), 1);
  NoPortAttached();  // Com1
  runner_.OnDialog(res::IDD_PORT, [](fw::DialogDriver& d) {
    d.Click(res::IDC_PORT_COM2);
    d.Enter();
  });
  Driver().Click(ids::IDC_COM_PORT);
  Reactivate();
  Driver().Click(ids::IDC_RECV);
  unsetenv("TQR417_COM2");
  EXPECT_EQ(state_.comPort, 1);
  EXPECT_EQ(OnlyMessage().text, "Data received from TQR-417 OK");
}

// Answers message boxes like the scripted runner, and tries the port meanwhile.
class PortProbingRunner : public fw::ScriptedRunner {
 public:
  int ShowMessage(const fw::MessageRequest& request, CDialog* owner) override {
    SerialLink second;
    portFreeDuringMessage = second.Open(0, 8).ok();
    return fw::ScriptedRunner::ShowMessage(request, owner);
  }
  bool portFreeDuringMessage = true;
};

TEST_F(TransferCommandsTest, UploadHoldsThePortWhileItsResultIsShown) {
  StartUnit();
  PortProbingRunner probing;
  {
    fw::ScopedModalRunner use(probing);
    Dlg().OnSendConfig();
  }
  ASSERT_EQ(probing.Messages().size(), 1u);
  EXPECT_EQ(probing.Messages()[0].text, "Data Received by TQR-417 OK");
  EXPECT_FALSE(probing.portFreeDuringMessage);
  SerialLink afterwards;
  EXPECT_TRUE(afterwards.Open(0, 8).ok());
}

}  // namespace
}  // namespace tqr417::ui::testing
