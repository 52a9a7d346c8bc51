#pragma once
// A main window opened on the application's configuration, shown and active, with every modal
// run (message boxes, file choosers, dialogs) going to a scripted runner.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/unit_config.h"
#include "framework/modal_runner.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/scripted_runner.h"
#include "tests/support/scripted_port_opener.h"
#include "ui/setup_dlg.h"

namespace tqr417::ui::testing {

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

  UnitConfig config_;
  AppState state_;
  ScriptedPortOpener ports_;  // the window's serial ports: a scripted channel
  fw::ScriptedRunner runner_;

 private:
  void Open(const std::string& startupFile);

  std::unique_ptr<fw::ScopedModalRunner> use_;
  std::unique_ptr<CSetupDlg> dlg_;
  std::unique_ptr<fw::DialogDriver> driver_;
};

}  // namespace tqr417::ui::testing
