#pragma once
// A main window opened on the application's configuration, shown and active, with every modal
// run (message boxes, file choosers, dialogs) going to a scripted runner.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "config/unit_config.h"
#include "framework/modal_runner.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/scripted_runner.h"
#include "tests/support/scripted_port_opener.h"
#include "ui/setup_dlg.h"

namespace tqr417::ui::testing {

// How the window runs while a test acts on it: created and driven from the test, or run as the
// program runs it, by the toolkit's own modal run (on Windows the system's dialog box), with
// the test's steps taken from inside that run's event loop.
enum class WindowRun { kCreated, kModalRun };

// Scripted modal runs, except the one of the dialog given to RunForReal: that one is the
// toolkit's production run.
class WindowRunner : public fw::ScriptedRunner {
 public:
  void RunForReal(const CDialog* dialog) { real_ = dialog; }
  int RunModal(CDialog& dialog) override;

 private:
  const CDialog* real_ = nullptr;
};

class SetupWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  CSetupDlg& Dlg() { return *dlg_; }
  fw::DialogDriver& Driver() { return *driver_; }

  // Text of a control as the window shows it.
  std::string Text(int controlId);
  bool Enabled(int controlId);
  bool Checked(int controlId);
  bool Visible(int controlId);
  // Accessible name of a control.
  std::string Name(int controlId);
  // Label shown in grid row `row` (1 to 10).
  std::string RowLabel(int row);
  int Thumb();
  void Range(int& minPos, int& maxPos);
  // Expects the thumb, windowTop and the ten rows at entry `top`, and no message shown.
  void ExpectGridAt(int top);

  // One scroll action as the scroll bar sends it: the request, then the end of scroll.
  void Scroll(UINT code, UINT pos = 0);
  // Types into a grid cell of row `row`.
  void TypeCell(const GridColumn& column, int row, const std::string& text);
  // Puts the window into Dual tone mode by its button.
  void ClickDual();
  // Brings the window back to the front after a modal run took the activation.
  void Reactivate();
  // Closes the window and opens a new one given `startupFile` to load at start, as the
  // program's command line gives it.
  void ReopenWithStartupFile(const std::string& startupFile);
  // A transfer message as the window shows it: the message, then the port and device tried.
  std::string OnPort(const std::string& message, ComPort port = ComPort::kCom1) const {
    return message + "\n\n" + ports_.PortLabel(port);
  }
  // Number of message boxes shown whose text contains `part`.
  int MessagesContaining(const std::string& part) const;
  // Takes `steps` on the window run as `run` says. For kModalRun a new window on the same
  // configuration is run modally, the steps run once it is shown and the window is ended after
  // them (message boxes, choosers and other dialogs stay scripted).
  void RunWindow(WindowRun run, const std::function<void()>& steps);

  UnitConfig config_;
  AppState state_;
  ScriptedPortOpener ports_;  // the window's serial ports: a scripted channel
  WindowRunner runner_;

 private:
  void Open(const std::string& startupFile);

  std::unique_ptr<fw::ScopedModalRunner> use_;
  std::unique_ptr<CSetupDlg> dlg_;
  std::unique_ptr<fw::DialogDriver> driver_;
};

// A window fixture whose tests run once for each way of running the window.
template <class Fixture>
class InEachWindowRun : public Fixture, public ::testing::WithParamInterface<WindowRun> {
 protected:
  void Act(const std::function<void()>& steps) { this->RunWindow(this->GetParam(), steps); }
};

inline const auto kEachWindowRun = ::testing::Values(WindowRun::kCreated, WindowRun::kModalRun);

// Test name suffix of a window run.
struct WindowRunName {
  std::string operator()(const ::testing::TestParamInfo<WindowRun>& info) const {
    return info.param == WindowRun::kCreated ? "Created" : "ModalRun";
  }
};

}  // namespace tqr417::ui::testing
