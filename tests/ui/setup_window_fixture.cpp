#include "tests/ui/setup_window_fixture.h"

#include "config/entry_label.h"
#include "framework/toolkit.h"
#include "resources/resource_ids.h"

namespace tqr417::ui::testing {
namespace {

// Calls `act` from the event loop that runs once `dialog`'s window is shown.
void WhenShown(CDialog& dialog, std::function<void()> act) {
  fw::DialogDriver::Later(0, [&dialog, act = std::move(act)]() mutable {
    if (dialog.Peer() != nullptr && dialog.Peer()->IsVisible()) {
      act();
    } else {
      WhenShown(dialog, std::move(act));
    }
  });
}

}  // namespace

int WindowRunner::RunModal(CDialog& dialog) {
  if (&dialog == real_) return fw::toolkit::ProductionRunner().RunModal(dialog);
  return ScriptedRunner::RunModal(dialog);
}

void SetupWindowTest::SetUp() {
  use_ = std::make_unique<fw::ScopedModalRunner>(runner_);
  Open({});
}

void SetupWindowTest::Open(const std::string& startupFile) {
  dlg_ = std::make_unique<CSetupDlg>(config_, state_, ports_);
  dlg_->SetStartupFile(startupFile);
  ASSERT_TRUE(dlg_->Create());
  driver_ = std::make_unique<fw::DialogDriver>(*dlg_);
  Reactivate();
}

void SetupWindowTest::ReopenWithStartupFile(const std::string& startupFile) {
  driver_.reset();
  dlg_.reset();
  Open(startupFile);
}

void SetupWindowTest::RunWindow(WindowRun run, const std::function<void()>& steps) {
  if (run == WindowRun::kCreated) {
    steps();
    return;
  }
  driver_.reset();
  dlg_.reset();
  dlg_ = std::make_unique<CSetupDlg>(config_, state_, ports_);
  driver_ = std::make_unique<fw::DialogDriver>(*dlg_);
  runner_.RunForReal(dlg_.get());
  bool acted = false;
  WhenShown(*dlg_, [&] {
    acted = true;
    steps();
    if (!dlg_->HasEnded()) dlg_->EndDialog(IDCANCEL);
  });
  dlg_->DoModal();
  runner_.RunForReal(nullptr);
  EXPECT_TRUE(acted) << "the modal run ended before its window was shown";
}

void SetupWindowTest::TearDown() {
  driver_.reset();
  dlg_.reset();
  use_.reset();
}

std::string SetupWindowTest::Text(int controlId) {
  CWnd* control = dlg_->GetDlgItem(controlId);
  return control == nullptr ? std::string("<none>") : control->GetWindowText().str();
}

bool SetupWindowTest::Enabled(int controlId) {
  CWnd* control = dlg_->GetDlgItem(controlId);
  return control != nullptr && control->IsWindowEnabled() != FALSE;
}

bool SetupWindowTest::Checked(int controlId) {
  CWnd* control = dlg_->GetDlgItem(controlId);
  return control != nullptr && control->GetCheck() == 1;
}

bool SetupWindowTest::Visible(int controlId) {
  CWnd* control = dlg_->GetDlgItem(controlId);
  return control != nullptr && control->IsWindowVisible() != FALSE;
}

std::string SetupWindowTest::Name(int controlId) {
  CWnd* control = dlg_->GetDlgItem(controlId);
  return control == nullptr ? std::string() : control->GetAccessibleName().str();
}

std::string SetupWindowTest::RowLabel(int row) { return Text(GridId(grid::kLabel, row)); }

int SetupWindowTest::Thumb() { return dlg_->scrollBar.GetScrollPos(); }

void SetupWindowTest::ExpectGridAt(int top) {
  EXPECT_EQ(Thumb(), top);
  EXPECT_EQ(state_.windowTop, top);
  EXPECT_EQ(RowLabel(1), FormatEntryLabel(top, 'F'));
  EXPECT_EQ(RowLabel(10), FormatEntryLabel(top + 9, 'F'));
  EXPECT_TRUE(runner_.Messages().empty());
}

void SetupWindowTest::Range(int& minPos, int& maxPos) {
  dlg_->scrollBar.GetScrollRange(&minPos, &maxPos);
}

void SetupWindowTest::Scroll(UINT code, UINT pos) {
  dlg_->OnVScroll(code, pos, &dlg_->scrollBar);
  dlg_->OnVScroll(SB_ENDSCROLL, 0, &dlg_->scrollBar);
}

void SetupWindowTest::TypeCell(const GridColumn& column, int row, const std::string& text) {
  driver_->Type(GridId(column, row), text);
}

void SetupWindowTest::ClickDual() { driver_->Click(res::setup::IDC_DUAL); }

int SetupWindowTest::MessagesContaining(const std::string& part) const {
  int count = 0;
  for (const auto& message : runner_.Messages()) {
    if (message.text.find(part) != std::string::npos) ++count;
  }
  return count;
}

}  // namespace tqr417::ui::testing
