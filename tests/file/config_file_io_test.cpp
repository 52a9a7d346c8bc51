#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "file/config_file.h"
#include "support/row_name.h"
#include "tests/file/file_folder_fixture.h"
#include "tests/file/file_test_support.h"

namespace tqr417 {
namespace {

namespace fs = std::filesystem;

using ConfigFileIoTest = file_test::FileFolderTest;

TEST_F(ConfigFileIoTest, SaveReplacesTheFileAndLoadReadsItBack) {
  Put("a.417", "old contents");
  ASSERT_TRUE(SaveConfigFile(PathOf("a.417"), file_test::DistinctConfig()).ok());
  EXPECT_EQ(Get("a.417"), file_test::JoinLines(file_test::DistinctFileLines()));
  EXPECT_EQ(Listing(), std::vector<std::string>{"a.417"});
  UnitConfig loaded = StartupConfig();
  ASSERT_TRUE(LoadConfigFile(PathOf("a.417"), loaded).ok());
  EXPECT_EQ(loaded, file_test::DistinctConfig());
}

struct SaveFailure {
  const char* description;
  const char* name;        // inside the test's folder, which holds "plain" and "folder"
  const char* relayLabel;  // of entry 5
  StatusCode code;
  const char* reason;  // in the message
};

class SaveFailureTest : public ConfigFileIoTest, public testing::WithParamInterface<SaveFailure> {};

TEST_P(SaveFailureTest, NamesTheFileAndTheReasonAndChangesNothing) {
  Put("plain", "old contents");
  fs::create_directory(PathOf("folder"));
  const std::vector<std::string> before = Listing();
  UnitConfig config = StartupConfig();
  config.functionTable.relay[5] = GetParam().relayLabel;
  const Status status = SaveConfigFile(PathOf(GetParam().name), config);
  EXPECT_EQ(status.code(), GetParam().code);
  ExpectNamed(status, PathOf(GetParam().name));
  ExpectNamed(status, GetParam().reason);
  EXPECT_EQ(Listing(), before);
  EXPECT_TRUE(fs::is_empty(PathOf("folder")));
  EXPECT_EQ(Get("plain"), "old contents");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFailureTest,
    testing::Values(SaveFailure{"missing folder", "missing/a.417", "", StatusCode::kIoError,
                                "creating a new file in folder"},
                    SaveFailure{"path is a folder", "folder", "", StatusCode::kIoError, "a folder"},
                    SaveFailure{"relay label with a blank", "plain", "R 1", StatusCode::kRefused,
                                "F05"}),
    tqr417::test_support::RowName{});

// A file the user may not write is refused unless the caller asks to replace it, and is
// read-only again once replaced.
TEST_F(ConfigFileIoTest, ReadOnlyFileIsRefusedUnlessReplacingIsAsked) {
  Put("ro.417", "old contents");
  fs::permissions(PathOf("ro.417"),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const Status refused = SaveConfigFile(PathOf("ro.417"), file_test::DistinctConfig());
  EXPECT_EQ(refused.code(), StatusCode::kRefused);
  EXPECT_EQ(refused.message(), "Cannot save \"" + PathOf("ro.417") + "\": the file is read-only.");
  EXPECT_EQ(Get("ro.417"), "old contents");
  EXPECT_EQ(Listing(), std::vector<std::string>{"ro.417"});

  const Status replaced =
      SaveConfigFile(PathOf("ro.417"), file_test::DistinctConfig(), ReadOnlyFile::kReplace);
  EXPECT_TRUE(replaced.ok()) << replaced.message();
  EXPECT_EQ(Get("ro.417"), file_test::JoinLines(file_test::DistinctFileLines()));
  EXPECT_EQ(Listing(), std::vector<std::string>{"ro.417"});
  EXPECT_EQ(fs::status(PathOf("ro.417")).permissions() & fs::perms::owner_write, fs::perms::none);
  fs::permissions(PathOf("ro.417"), fs::perms::owner_write, fs::perm_options::add);
}

// A save that was killed leaves its temporary file behind; the next save in the folder removes
// it, and only files of that naming whose process has ended.
TEST_F(ConfigFileIoTest, SaveRemovesTheTemporaryFilesOfEndedSavesOnly) {
  // No system gives a process this id (Linux stops at 4194304).
  const std::string ended = ".tqr417-2147483000-3-18a9f.tmp";
  const std::vector<std::string> kept = {
      ".tqr417-" + std::to_string(getpid()) + "-0-1f.tmp",  // this process's own
      ".tqr417-2147483000-3.tmp",                           // not of the save's naming
      ".tqr417-2147483000-3-18a9f.tmp.bak",
      ".tqr417-x-3-18a9f.tmp",
      "tqr417-2147483000-3-18a9f.tmp",
      "a.417"};
  for (const std::string& name : kept) Put(name, "x");
  Put(ended, "a configuration half written");
  fs::create_directory(PathOf(".tqr417-2147483001-3-18a9f.tmp"));  // a folder stays
  ASSERT_TRUE(SaveConfigFile(PathOf("a.417"), file_test::DistinctConfig()).ok());
  std::vector<std::string> expected = kept;
  expected.push_back(".tqr417-2147483001-3-18a9f.tmp");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Listing(), expected);
}

TEST_F(ConfigFileIoTest, LoadFailuresNameTheFileAndChangeNothing) {
  Put("bad.417", "0 0 0 0 zero\r\n");
  fs::create_directory(PathOf("folder"));
  UnitConfig config = file_test::DistinctConfig();
  for (const char* name : {"missing.417", "folder", "bad.417"}) {
    const Status status = LoadConfigFile(PathOf(name), config);
    EXPECT_FALSE(status.ok()) << name;
    ExpectNamed(status, PathOf(name));
  }
  EXPECT_EQ(config, file_test::DistinctConfig());
}

TEST_F(ConfigFileIoTest, LoadReadsAFileOfAnySize) {
  Put("big.417", file_test::JoinLines(file_test::StartupFileLines()) + std::string(1 << 20, 'x'));
  UnitConfig config = file_test::DistinctConfig();
  ASSERT_TRUE(LoadConfigFile(PathOf("big.417"), config).ok());
  EXPECT_EQ(config.dialog.morseText, std::string(50, 'x'));
}

}  // namespace
}  // namespace tqr417
