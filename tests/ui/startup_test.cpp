// The main window right after it has opened, its system menu, and the command line.

#include <string>
#include <vector>

#include "config/defaults.h"
#include "framework/dialog_template.h"
#include "framework/menu.h"
#include "link/config_frame.h"
#include "resources/resource_ids.h"
#include "tests/ui/setup_window_fixture.h"
#include "ui/startup_arguments.h"

namespace tqr417::ui::testing {
namespace {

namespace ids = res::setup;

using StartupTest = SetupWindowTest;

TEST_F(StartupTest, HoldsTheStartupConfiguration) {
  EXPECT_EQ(config_, StartupConfig());
  // On Com1, with the grid at entry 1 of the Single-mode range.
  EXPECT_EQ(state_.comPort, ComPort::kCom1);
  EXPECT_EQ(state_.windowTop, 1);
  EXPECT_EQ(state_.scrollMax, 7);
}

TEST_F(StartupTest, ShowsTheDefaultSettings) {
  for (int selected : {ids::IDC_SINGLE, ids::IDC_CTCSS_PTT_ONLY, ids::IDC_PTT_NO_RELAYS,
                       ids::IDC_MON_RESET_ON_PTT, ids::IDC_ERROR_BEEPS}) {
    EXPECT_TRUE(Checked(selected)) << selected;
  }
  for (int clear : {ids::IDC_DUAL, ids::IDC_CTCSS_ALWAYS_ON, ids::IDC_PTT_F1, ids::IDC_PTT_F2,
                    ids::IDC_MON_ALWAYS_EXCEPT_PTT, ids::IDC_MON_MOMENTARY, ids::IDC_REPEATER_MODE,
                    ids::IDC_REVERT_TO_R1, ids::IDC_PTT_TONE_ONLY, ids::IDC_LINE_DTMF_DISABLE,
                    ids::IDC_AUDIO_LOOPBACK}) {
    EXPECT_FALSE(Checked(clear)) << clear;
  }
  EXPECT_EQ(Text(ids::IDC_MON_MOMENTARY_MS), "0");
  EXPECT_FALSE(Enabled(ids::IDC_MON_MOMENTARY_MS));
  EXPECT_EQ(Text(ids::IDC_PTT_FREQUENCY), "2175");
  EXPECT_FALSE(Visible(ids::IDC_DUZO));
  EXPECT_FALSE(Enabled(ids::IDC_DUZO));
}

TEST_F(StartupTest, GridShowsTheFirstTenSingleModeEntries) {
  const FunctionTable defaults = StartupConfig().functionTable;
  for (int row = 1; row <= kGridRows; ++row) {
    const auto e = static_cast<std::size_t>(row);  // entry 1 in row 1
    EXPECT_EQ(RowLabel(row), FormatEntryLabel(row, 'F'));
    EXPECT_EQ(Text(GridId(grid::kDigitalOutput, row)), std::to_string(defaults.digitalOutput[e]));
    EXPECT_EQ(Text(GridId(grid::kGroup, row)), "1");
    EXPECT_EQ(Text(GridId(grid::kRelay, row)), "");
    EXPECT_TRUE(Checked(GridId(grid::kToneActive, row)));
    EXPECT_TRUE(Enabled(GridId(grid::kRelay, row)));
    EXPECT_FALSE(Enabled(GridId(grid::kLabel, row)));
  }
  int minPos = -1;
  int maxPos = -1;
  Range(minPos, maxPos);
  EXPECT_EQ(minPos, 1);
  EXPECT_EQ(maxPos, 7);
  EXPECT_EQ(Thumb(), 1);
}

TEST_F(StartupTest, GridCellsAreNamedByHeadingAndRowLabel) {
  EXPECT_EQ(Name(GridId(grid::kDuration, 1)), "Relay Duration (ms) F01");
  EXPECT_EQ(Name(GridId(grid::kToneActive, 10)), "Tone Active F10");
  Scroll(SB_LINEDOWN);
  EXPECT_EQ(Name(GridId(grid::kDuration, 1)), "Relay Duration (ms) F02");
  EXPECT_EQ(Name(GridId(grid::kUseDefaultCtcss, 10)), "Use Default CTCSS F11");
}

TEST_F(StartupTest, EveryControlHasAnAccessibleName) {
  for (const fw::ControlTemplate& c : fw::FindTemplate(res::IDD_SETUP_DIALOG)->controls) {
    if (c.id == fw::kStatic) continue;
    EXPECT_FALSE(Name(c.id).empty()) << c.id;
  }
  EXPECT_EQ(Name(ids::IDC_SEND), "Send to 417");
  EXPECT_EQ(Name(ids::IDC_PTT_FREQUENCY), "PTT Frequency");
}

TEST_F(StartupTest, SystemMenuEndsWithSeparatorAndAbout) {
  const auto& items = Dlg().GetSystemMenu(FALSE)->Items();
  ASSERT_GE(items.size(), 3u);
  const CMenu::Item& separator = items[items.size() - 2];
  const CMenu::Item& about = items.back();
  EXPECT_EQ(separator.flags, MF_SEPARATOR);
  EXPECT_EQ(about.text, "&About tqr417...");
  EXPECT_EQ(about.command, res::IDM_ABOUTBOX);
}

using MomentaryFieldTest = SetupWindowTest;

TEST_F(MomentaryFieldTest, OnlyMomentaryEnablesItAndItsValueStays) {
  Driver().Click(ids::IDC_MON_MOMENTARY);
  EXPECT_TRUE(Enabled(ids::IDC_MON_MOMENTARY_MS));
  Driver().Type(ids::IDC_MON_MOMENTARY_MS, "1500");
  for (int other : {ids::IDC_MON_ALWAYS_EXCEPT_PTT, ids::IDC_MON_RESET_ON_PTT}) {
    Driver().Click(other);
    EXPECT_FALSE(Enabled(ids::IDC_MON_MOMENTARY_MS)) << other;
    EXPECT_EQ(Text(ids::IDC_MON_MOMENTARY_MS), "1500");
    EXPECT_EQ(config_.main.monMomentaryMs, 1500);
  }
}

TEST_F(MomentaryFieldTest, ModeOutsideTheGroupLeavesTheEnablingAsItWas) {
  Driver().Click(ids::IDC_MON_MOMENTARY);
  config_.main.monRelayMode = 5;
  Dlg().RefreshFromConfig();
  EXPECT_TRUE(Enabled(ids::IDC_MON_MOMENTARY_MS));
  // No button shows the mode, so the refresh's own exchanges already read none (-1).
  EXPECT_FALSE(Checked(ids::IDC_MON_MOMENTARY));
  EXPECT_EQ(config_.main.monRelayMode, -1);
}

// The program's command line: at most one file; anything else is answered with the usage,
// and the window still opens (with no file to load).
struct ArgumentsCase {
  std::vector<std::string> arguments;
  std::string file;
  std::string usageNames;  // a part of the usage message; empty when there is none
};

class StartupArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(StartupArgumentsTest, GiveTheFileOrTheUsage) {
  const StartupRequest request = ParseStartupArguments(GetParam().arguments);
  EXPECT_EQ(request.file, GetParam().file);
  if (GetParam().usageNames.empty()) {
    EXPECT_EQ(request.usage, "");
  } else {
    EXPECT_NE(request.usage.find(GetParam().usageNames), std::string::npos) << request.usage;
    EXPECT_NE(request.usage.find("Usage: tqr417 [FILE]"), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, StartupArgumentsTest,
    ::testing::Values(ArgumentsCase{{}, "", ""}, ArgumentsCase{{"site.417"}, "site.417", ""},
                      ArgumentsCase{{"/tmp/Zürich Ω.417"}, "/tmp/Zürich Ω.417", ""},
                      ArgumentsCase{{"-"}, "-", ""},
                      ArgumentsCase{{"--", "-odd.417"}, "-odd.417", ""},
                      ArgumentsCase{{"a.417", "b.417"}, "", "\"b.417\" was also given"},
                      ArgumentsCase{{"--verbose"}, "", "Unknown option \"--verbose\""},
                      ArgumentsCase{{"-x", "a.417"}, "", "Unknown option \"-x\""},
                      ArgumentsCase{{"--help"}, "", "setup application"},
                      ArgumentsCase{{""}, "", "empty"}));

}  // namespace
}  // namespace tqr417::ui::testing
