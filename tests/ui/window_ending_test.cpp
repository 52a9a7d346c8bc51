// Running the main window modally: the ways it ends, keys that do nothing, and the setting
// commands it opens.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "framework/dialog_template.h"
#include "framework/modal_runner.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/scripted_runner.h"
#include "resources/resource_ids.h"
#include "support/row_name.h"
#include "tests/support/scripted_port_opener.h"
#include "ui/setup_dlg.h"

namespace tqr417::ui::testing {
namespace {

namespace ids = res::setup;
using Script = fw::ScriptedRunner::DialogScript;

class WindowRunTest : public ::testing::Test {
 protected:
  int Run(Script script) {
    runner_.OnDialog(res::IDD_SETUP_DIALOG, std::move(script));
    CSetupDlg dlg(config_, state_, ports_);
    return dlg.DoModal();
  }

  UnitConfig config_;
  AppState state_;
  ScriptedPortOpener ports_;
  fw::ScriptedRunner runner_;
  fw::ScopedModalRunner use_{runner_};
};

struct EndingCase {
  const char* description;
  void (*end)(fw::DialogDriver&);
};

class WindowEndingTest : public WindowRunTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(WindowEndingTest, EndsAtOnceWithCancelWithoutStoring) {
  const EndingCase& c = GetParam();
  const int code = Run([&c](fw::DialogDriver& d) {
    d.Type(GridId(grid::kDigitalOutput, 1), "33");
    c.end(d);
    EXPECT_TRUE(d.Ended());
  });
  EXPECT_EQ(code, IDCANCEL);
  EXPECT_TRUE(runner_.Messages().empty());
  EXPECT_EQ(runner_.UnexpectedModals(), 0);
  EXPECT_EQ(config_.functionTable, StartupConfig().functionTable);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, WindowEndingTest,
    ::testing::Values(EndingCase{"ExitButton", [](fw::DialogDriver& d) { d.Click(ids::IDC_EXIT); }},
                      EndingCase{"EscKey", [](fw::DialogDriver& d) { d.Esc(); }},
                      EndingCase{"CloseBox", [](fw::DialogDriver& d) { d.CloseBox(); }},
                      EndingCase{
                          "SystemMenuClose",
                          [](fw::DialogDriver& d) { d.Dialog().OnSysCommand(SC_CLOSE, 0); }}),
    tqr417::test_support::RowName{});

using WindowKeysTest = WindowRunTest;

TEST_F(WindowKeysTest, EnterAndHelpDoNothing) {
  const int code = Run([](fw::DialogDriver& d) {
    d.Focus(GridId(grid::kDuration, 2));
    d.Enter();
    d.Focus(ids::IDC_EXIT);
    d.Enter();
    d.Key(fw::keys::kF1);
    EXPECT_FALSE(d.Ended());
    d.Esc();
  });
  EXPECT_EQ(code, IDCANCEL);
  EXPECT_TRUE(runner_.Messages().empty());
  EXPECT_EQ(runner_.DialogsRun(), std::vector<int>{res::IDD_SETUP_DIALOG});
}

TEST_F(WindowKeysTest, TxFiltersOpensOnlyWithoutRepeaterMode) {
  for (int run = 0; run < 2; ++run) {
    runner_.OnDialog(res::IDD_TX_AUDIO, [](fw::DialogDriver& d) { d.Esc(); });
  }
  Run([](fw::DialogDriver& d) {
    d.Click(ids::IDC_TX_FILTERS);
    d.Click(ids::IDC_REPEATER_MODE);  // ticked and clicked at once: already refused
    d.Click(ids::IDC_TX_FILTERS);
    d.Click(ids::IDC_REPEATER_MODE);  // cleared again: the dialog opens once more
    d.Click(ids::IDC_TX_FILTERS);
    d.Esc();
  });
  EXPECT_EQ(runner_.DialogsRun(),
            (std::vector<int>{res::IDD_SETUP_DIALOG, res::IDD_TX_AUDIO, res::IDD_TX_AUDIO}));
  EXPECT_EQ(runner_.UnexpectedModals(), 0);
  EXPECT_EQ(config_.main.repeaterMode, 0);
}

struct SettingButtonCase {
  const char* description;
  int button;
  int templateId;
};

class SettingButtonTest : public WindowRunTest,
                          public ::testing::WithParamInterface<SettingButtonCase> {};

TEST_P(SettingButtonTest, OpensItsDialog) {
  const SettingButtonCase& c = GetParam();
  runner_.OnDialog(c.templateId, [](fw::DialogDriver& d) { d.Esc(); });
  Run([&c](fw::DialogDriver& d) {
    d.Click(c.button);
    d.Esc();
  });
  EXPECT_EQ(runner_.DialogsRun(), (std::vector<int>{res::IDD_SETUP_DIALOG, c.templateId}));
  EXPECT_EQ(runner_.UnexpectedModals(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, SettingButtonTest,
    ::testing::Values(SettingButtonCase{"SetGains", ids::IDC_SET_GAINS, res::IDD_GAIN},
                      SettingButtonCase{"ComPort", ids::IDC_COM_PORT, res::IDD_PORT},
                      SettingButtonCase{"MorseCode", ids::IDC_MORSE, res::IDD_MORSE},
                      SettingButtonCase{"Dig5Setup", ids::IDC_DIG5, res::IDD_DIG5_TONE},
                      SettingButtonCase{"Dig4Setup", ids::IDC_DIG4, res::IDD_DIG4_COR}),
    tqr417::test_support::RowName{});

// The table of setting buttons that the configuration sheet orders its sections by: each
// button the window shows opens the dialog the table names.
TEST_F(WindowRunTest, EachShownButtonOfTheDialogButtonTableOpensItsDialog) {
  const fw::DialogTemplate* main = fw::FindTemplate(res::IDD_SETUP_DIALOG);
  ASSERT_NE(main, nullptr);
  std::vector<int> expected = {res::IDD_SETUP_DIALOG};
  for (const ids::DialogButton& button : ids::kDialogButtons) {
    const fw::ControlTemplate* control = main->FindControl(button.buttonId);
    ASSERT_NE(control, nullptr) << button.buttonId;
    if (control->flags & fw::style::kHidden) continue;
    expected.push_back(button.templateId);
    runner_.OnDialog(button.templateId, [](fw::DialogDriver& d) { d.Esc(); });
  }
  Run([&expected](fw::DialogDriver& d) {
    for (const ids::DialogButton& button : ids::kDialogButtons) d.Click(button.buttonId);
    d.Esc();
  });
  EXPECT_EQ(runner_.DialogsRun(), expected);
  EXPECT_EQ(runner_.UnexpectedModals(), 0);
}

}  // namespace
}  // namespace tqr417::ui::testing
