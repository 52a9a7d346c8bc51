#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "config/defaults.h"
#include "file/config_file.h"
#include "support/row_name.h"
#include "tests/file/file_test_support.h"

namespace tqr417 {
namespace {

namespace fs = std::filesystem;

// Each test works in a folder of its own, which it lists afterwards to see that no new file
// was left behind.
class ConfigFileIoTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = testing::TempDir() + "tqr417-file-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  void Put(const std::string& name, const std::string& contents) const {
    std::ofstream(PathOf(name), std::ios::binary) << contents;
  }

  std::string Get(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::vector<std::string> Listing() const {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder_))
      names.push_back(item.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  static void ExpectNamed(const Status& status, const std::string& part) {
    EXPECT_NE(status.message().find(part), std::string::npos) << status.message();
  }

  fs::path folder_;
};

TEST_F(ConfigFileIoTest, SaveReplacesTheFileAndKeepsItsPermissions) {
  Put("a.417", "old contents");
  ASSERT_EQ(chmod(PathOf("a.417").c_str(), 0640), 0);
  ASSERT_TRUE(SaveConfigFile(PathOf("a.417"), file_test::DistinctConfig()).ok());
  EXPECT_EQ(Get("a.417"), file_test::JoinLines(file_test::DistinctFileLines()));
  EXPECT_EQ(fs::status(PathOf("a.417")).permissions(), fs::perms(0640));
  EXPECT_EQ(Listing(), std::vector<std::string>{"a.417"});
  UnitConfig loaded = StartupConfig();
  ASSERT_TRUE(LoadConfigFile(PathOf("a.417"), loaded).ok());
  EXPECT_EQ(loaded, file_test::DistinctConfig());
}

TEST_F(ConfigFileIoTest, SaveThroughALinkReplacesTheLinkedFileAndKeepsTheLink) {
  fs::create_directory(folder_ / "real");
  Put("real/a.417", "old contents");
  fs::create_symlink(folder_ / "real" / "a.417", folder_ / "link.417");
  ASSERT_TRUE(SaveConfigFile(PathOf("link.417"), file_test::DistinctConfig()).ok());
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.417"));
  EXPECT_EQ(Get("real/a.417"), file_test::JoinLines(file_test::DistinctFileLines()));
  EXPECT_EQ(Listing(), (std::vector<std::string>{"link.417", "real"}));
}

struct SaveFailure {
  const char* description;
  const char* name;        // inside the test's folder, which holds "plain", "folder" and "pipe"
  const char* relayLabel;  // of entry 5
  StatusCode code;
  int osError;
  const char* reason;  // in the message
};

class SaveFailureTest : public ConfigFileIoTest, public testing::WithParamInterface<SaveFailure> {};

TEST_P(SaveFailureTest, NamesTheFileAndTheReasonAndChangesNothing) {
  Put("plain", "old contents");
  fs::create_directory(PathOf("folder"));
  ASSERT_EQ(mkfifo(PathOf("pipe").c_str(), 0600), 0);
  const std::vector<std::string> before = Listing();
  UnitConfig config = StartupConfig();
  config.functionTable.relay[5] = GetParam().relayLabel;
  const Status status = SaveConfigFile(PathOf(GetParam().name), config);
  EXPECT_EQ(status.code(), GetParam().code);
  EXPECT_EQ(status.osError(), GetParam().osError);
  ExpectNamed(status, PathOf(GetParam().name));
  ExpectNamed(status, GetParam().reason);
  EXPECT_EQ(Listing(), before);
  EXPECT_TRUE(fs::is_empty(PathOf("folder")));
  EXPECT_TRUE(fs::is_fifo(PathOf("pipe")));
  EXPECT_EQ(Get("plain"), "old contents");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFailureTest,
    testing::Values(
        SaveFailure{"missing folder", "missing/a.417", "", StatusCode::kIoError, ENOENT,
                    "No such file or directory"},
        SaveFailure{"under a regular file", "plain/a.417", "", StatusCode::kIoError, ENOTDIR,
                    "Not a directory"},
        SaveFailure{"path is a folder", "folder", "", StatusCode::kIoError, EISDIR, "a folder"},
        SaveFailure{"path is a pipe", "pipe", "", StatusCode::kIoError, 0, "a device or a pipe"},
        SaveFailure{"relay label with a blank", "plain", "R 1", StatusCode::kRefused, 0, "F05"}),
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
