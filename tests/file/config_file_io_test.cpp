#include <gtest/gtest.h>

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
