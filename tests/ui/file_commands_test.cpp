// "SAVEConfig" and "Load Config": the chooser, the store before the save, the refresh after
// every load, and failures shown in a message box.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "config/defaults.h"
#include "file/config_file.h"
#include "resources/resource_ids.h"
#include "support/row_name.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

namespace ids = res::setup;
namespace fs = std::filesystem;

class FileCommandsTest : public SetupWindowTest {
 protected:
  void SetUp() override {
    SetupWindowTest::SetUp();
    folder_ = fs::temp_directory_path() / ("tqr417-ui-" + std::to_string(getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
    SetupWindowTest::TearDown();
  }

  // Joined as text, so that a UTF-8 name stays UTF-8 on every platform.
  std::string PathOf(const std::string& name) const { return folder_.string() + "/" + name; }

  // A configuration file in Dual mode with the momentary MON relay and marked entries.
  std::string WriteDualFile(const std::string& name = "dual.417") {
    UnitConfig file = StartupConfig();
    file.main.toneMode = 1;
    file.main.monRelayMode = 2;
    file.main.monMomentaryMs = 1500;
    file.functionTable.relay[0] = "R02";
    file.functionTable.relayDurationMs[0] = 4321;
    file.functionTable.digitalOutput[55] = 17;
    const std::string path = PathOf(name);
    EXPECT_TRUE(SaveConfigFile(path, file).ok());
    loaded_ = file;
    return path;
  }

  void ClickLoad(std::optional<std::string> path) {
    runner_.ChooseFile(std::move(path));
    Driver().Click(ids::IDC_LOAD);
  }

  fs::path folder_;
  UnitConfig loaded_;
};

using FileCommandsRunTest = InEachWindowRun<FileCommandsTest>;

TEST_P(FileCommandsRunTest, ChoosersAskForFilesOfTheApplication) {
  Act([&] {
    ClickLoad(std::nullopt);
    runner_.ChooseFile(std::nullopt);
    Driver().Click(ids::IDC_SAVE);
    ASSERT_EQ(runner_.FileRequests().size(), 2u);
    const fw::FileRequest& open = runner_.FileRequests()[0];
    const fw::FileRequest& save = runner_.FileRequests()[1];
    EXPECT_TRUE(open.open);
    EXPECT_FALSE(save.open);
    for (const fw::FileRequest* r : {&open, &save}) {
      EXPECT_EQ(r->defaultExt, "417");
      EXPECT_EQ(r->initialName, "*.417");
      EXPECT_EQ(r->flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    }
  });
}

TEST_P(FileCommandsRunTest, LoadOfDualFileSwitchesTheWindowToDual) {
  Act([&] {
    state_.comPort = ComPort::kCom2;
    Scroll(SB_THUMBPOSITION, 5);
    ClickLoad(WriteDualFile());
    EXPECT_EQ(state_.comPort, ComPort::kCom2);
    EXPECT_EQ(config_, loaded_);
    EXPECT_TRUE(runner_.Messages().empty());
    EXPECT_TRUE(Checked(ids::IDC_DUAL));
    EXPECT_EQ(RowLabel(1), "F00");
    EXPECT_EQ(Text(GridId(grid::kRelay, 1)), "R02");
    EXPECT_EQ(Text(GridId(grid::kDuration, 1)), "4321");
    EXPECT_TRUE(Enabled(ids::IDC_MON_MOMENTARY_MS));
    EXPECT_EQ(Text(ids::IDC_MON_MOMENTARY_MS), "1500");
    EXPECT_EQ(state_.scrollMax, 90);
    EXPECT_EQ(Thumb(), 5);  // the thumb is not set by the refresh
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(RowLabel(1), "F06");
  });
}

TEST_P(FileCommandsRunTest, PttFrequencyOutsideTheListKeepsTheListsSelection) {
  Act([&] {
    UnitConfig file = StartupConfig();
    file.main.pttFrequency = "2600";
    const std::string listed = PathOf("listed.417");
    ASSERT_TRUE(SaveConfigFile(listed, file).ok());
    file.main.pttFrequency = "2000";
    const std::string unlisted = PathOf("unlisted.417");
    ASSERT_TRUE(SaveConfigFile(unlisted, file).ok());

    ClickLoad(listed);
    EXPECT_EQ(Text(ids::IDC_PTT_FREQUENCY), "2600");
    EXPECT_EQ(config_.main.pttFrequency, "2600");
    ClickLoad(unlisted);
    // The list cannot show 2000; the refresh's own exchanges take the selection back.
    EXPECT_EQ(Text(ids::IDC_PTT_FREQUENCY), "2600");
    EXPECT_EQ(config_.main.pttFrequency, "2600");
  });
}

TEST_P(FileCommandsRunTest, CancelledLoadStillShowsTheTableAgain) {
  Act([&] {
    TypeCell(grid::kDigitalOutput, 2, "50");
    TypeCell(grid::kCtcss, 3, "9");
    Driver().Click(GridId(grid::kUseDefaultCtcss, 4));
    Driver().Click(GridId(grid::kToneActive, 5));
    ClickLoad(std::nullopt);
    EXPECT_EQ(Text(GridId(grid::kDigitalOutput, 2)),
              std::to_string(config_.functionTable.digitalOutput[2]));
    EXPECT_EQ(Text(GridId(grid::kCtcss, 3)), "0");
    EXPECT_FALSE(Checked(GridId(grid::kUseDefaultCtcss, 4)));
    EXPECT_TRUE(Checked(GridId(grid::kToneActive, 5)));
    EXPECT_TRUE(Enabled(GridId(grid::kDuration, 5)));
    EXPECT_EQ(config_, StartupConfig());
    EXPECT_TRUE(runner_.Messages().empty());
  });
}

TEST_P(FileCommandsRunTest, FailedLoadReportsAndChangesNothing) {
  Act([&] {
    const std::string missing = PathOf("missing.417");
    TypeCell(grid::kDigitalOutput, 2, "50");
    ClickLoad(missing);
    ASSERT_EQ(runner_.Messages().size(), 1u);
    EXPECT_EQ(runner_.Messages()[0].icon, MB_ICONHAND);
    EXPECT_NE(runner_.Messages()[0].text.find("missing.417"), std::string::npos);
    EXPECT_EQ(config_, StartupConfig());
    EXPECT_EQ(Text(GridId(grid::kDigitalOutput, 2)),
              std::to_string(config_.functionTable.digitalOutput[2]));
  });
}

// A file named on the command line is loaded as "Load Config" loads one, before the window
// shows; names in any script arrive whole.
TEST_F(FileCommandsTest, FileGivenAtStartIsLoadedBeforeTheWindowShows) {
  ReopenWithStartupFile(WriteDualFile("Zürich Ωμέγα.417"));
  EXPECT_EQ(config_, loaded_);
  EXPECT_TRUE(runner_.Messages().empty());
  EXPECT_TRUE(Checked(ids::IDC_DUAL));
  EXPECT_EQ(Text(GridId(grid::kRelay, 1)), "R02");
  EXPECT_EQ(Text(ids::IDC_MON_MOMENTARY_MS), "1500");
  EXPECT_TRUE(Enabled(ids::IDC_MON_MOMENTARY_MS));
}

TEST_F(FileCommandsTest, FailedLoadAtStartNamesTheFileAndOpensWithTheStartupConfiguration) {
  ReopenWithStartupFile(PathOf("missing Ωμέγα.417"));
  ASSERT_EQ(runner_.Messages().size(), 1u);
  EXPECT_EQ(runner_.Messages()[0].icon, MB_ICONHAND);
  EXPECT_NE(runner_.Messages()[0].text.find("missing Ωμέγα.417"), std::string::npos);
  EXPECT_EQ(config_, StartupConfig());
  EXPECT_TRUE(Checked(ids::IDC_SINGLE));
  EXPECT_EQ(RowLabel(1), "F01");
}

// A file the reader cannot take whole, made from a file the save wrote (in Dual mode).
struct RefusedFileCase {
  const char* description;
  std::string (*contents)(const std::string& writtenFile);
};

class RefusedFileTest : public FileCommandsTest,
                        public ::testing::WithParamInterface<RefusedFileCase> {};

TEST_P(RefusedFileTest, IsRefusedWholeAndNamesTheFirstLine) {
  std::ifstream written(WriteDualFile(), std::ios::binary);
  const std::string writtenFile{std::istreambuf_iterator<char>(written), {}};
  const std::string path = PathOf("broken.417");
  std::ofstream(path, std::ios::binary) << GetParam().contents(writtenFile);
  ClickLoad(path);
  ASSERT_EQ(runner_.Messages().size(), 1u);
  EXPECT_EQ(runner_.Messages()[0].icon, MB_ICONHAND);
  EXPECT_NE(runner_.Messages()[0].text.find("broken.417\": line 1 "), std::string::npos)
      << runner_.Messages()[0].text;
  EXPECT_EQ(runner_.Messages()[0].encoding, fw::TextEncoding::kUtf8);
  EXPECT_EQ(config_, StartupConfig());
  EXPECT_TRUE(Checked(ids::IDC_SINGLE));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedFileTest,
    ::testing::Values(
        RefusedFileCase{
            "a word for a number",
            [](const std::string&) { return std::string("1  0  0  2  abc  0  0\r\n"); }},
        // An editor that saves "UTF-8 with BOM" puts three bytes before the first number.
        RefusedFileCase{"a UTF-8 byte-order mark before the first number",
                        [](const std::string& file) { return "\xEF\xBB\xBF" + file; }}),
    tqr417::test_support::RowName{});

TEST_P(FileCommandsRunTest, SaveWritesWhatTheWindowShows) {
  Act([&] {
    TypeCell(grid::kRelay, 2, "R02");
    TypeCell(grid::kDigitalOutput, 1, "45");
    Driver().Click(ids::IDC_REPEATER_MODE);
    const std::string path = PathOf("saved.417");
    state_.comPort = ComPort::kCom2;
    runner_.ChooseFile(path);
    Driver().Click(ids::IDC_SAVE);

    EXPECT_TRUE(runner_.Messages().empty());
    EXPECT_EQ(state_.comPort, ComPort::kCom2);
    UnitConfig read = StartupConfig();
    ASSERT_TRUE(LoadConfigFile(path, read).ok());
    EXPECT_EQ(read, config_);
    EXPECT_EQ(read.functionTable.relay[2], "R02");
    EXPECT_EQ(read.functionTable.digitalOutput[1], 45);
    EXPECT_EQ(read.main.repeaterMode, 1);
  });
}

TEST_P(FileCommandsRunTest, SaveReportsAFieldOutOfRangeAndSavesItAsTyped) {
  Act([&] {
    Driver().Click(ids::IDC_REPEATER_MODE);
    TypeCell(grid::kDigitalOutput, 1, "99");
    const std::string path = PathOf("saved.417");
    runner_.ChooseFile(path);
    Driver().Click(ids::IDC_SAVE);

    EXPECT_EQ(MessagesContaining("63"), 1);
    UnitConfig read = StartupConfig();
    ASSERT_TRUE(LoadConfigFile(path, read).ok());
    EXPECT_EQ(read.functionTable.digitalOutput[1], 99);
    // The exchange stopped at the grid field, before the settings: the box did not reach its
    // member.
    EXPECT_EQ(read.main.repeaterMode, 0);
  });
}

TEST_P(FileCommandsRunTest, CancelledSaveHasStoredTheRowsAlready) {
  Act([&] {
    TypeCell(grid::kDigitalOutput, 3, "44");
    runner_.ChooseFile(std::nullopt);
    Driver().Click(ids::IDC_SAVE);
    EXPECT_EQ(config_.functionTable.digitalOutput[3], 44);
    EXPECT_TRUE(fs::is_empty(folder_));
    EXPECT_TRUE(runner_.Messages().empty());
  });
}

TEST_P(FileCommandsRunTest, RelayLabelWithABlankIsRefusedAndNothingWritten) {
  Act([&] {
    TypeCell(grid::kRelay, 3, "R 1");
    const std::string path = PathOf("blank.417");
    runner_.ChooseFile(path);
    Driver().Click(ids::IDC_SAVE);
    ASSERT_EQ(runner_.Messages().size(), 1u);
    EXPECT_EQ(runner_.Messages()[0].icon, MB_ICONHAND);
    EXPECT_NE(runner_.Messages()[0].text.find("F03"), std::string::npos);
    EXPECT_FALSE(fs::exists(path));
  });
}

TEST_P(FileCommandsRunTest, FailedSaveNamesTheFileWithAStopIcon) {
  Act([&] {
    runner_.ChooseFile(PathOf("no-such-folder/saved.417"));
    Driver().Click(ids::IDC_SAVE);
    ASSERT_EQ(runner_.Messages().size(), 1u);
    EXPECT_EQ(runner_.Messages()[0].icon, MB_ICONHAND);
    EXPECT_NE(runner_.Messages()[0].text.find("saved.417"), std::string::npos);
  });
}

// The chooser's question about replacing an existing file does not cover a read-only one.
TEST_P(FileCommandsRunTest, SaveOverAReadOnlyFileIsRefused) {
  Act([&] {
    const std::string path = PathOf("ro.417");
    std::ofstream(path) << "old contents";
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    runner_.ChooseFile(path);
    Driver().Click(ids::IDC_SAVE);
    ASSERT_EQ(runner_.Messages().size(), 1u);
    EXPECT_EQ(runner_.Messages()[0].icon, MB_ICONHAND);
    EXPECT_EQ(runner_.Messages()[0].text,
              "Cannot save \"" + path + "\": the file is read-only.");
    std::ifstream kept(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "old contents");
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  });
}

INSTANTIATE_TEST_SUITE_P(Runs, FileCommandsRunTest, kEachWindowRun, WindowRunName{});

}  // namespace
}  // namespace tqr417::ui::testing
