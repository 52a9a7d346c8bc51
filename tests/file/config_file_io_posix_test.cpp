// The safe save on POSIX systems: permissions, symbolic links, pipes and the errno reported.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
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

using PosixSaveTest = file_test::FileFolderTest;

TEST_F(PosixSaveTest, SaveKeepsTheFilesPermissions) {
  Put("a.417", "old contents");
  ASSERT_EQ(chmod(PathOf("a.417").c_str(), 0640), 0);
  ASSERT_TRUE(SaveConfigFile(PathOf("a.417"), file_test::DistinctConfig()).ok());
  EXPECT_EQ(fs::status(PathOf("a.417")).permissions(), fs::perms(0640));
}

TEST_F(PosixSaveTest, SaveThroughALinkReplacesTheLinkedFileAndKeepsTheLink) {
  fs::create_directory(folder_ / "real");
  Put("real/a.417", "old contents");
  fs::create_symlink(folder_ / "real" / "a.417", folder_ / "link.417");
  ASSERT_TRUE(SaveConfigFile(PathOf("link.417"), file_test::DistinctConfig()).ok());
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.417"));
  EXPECT_EQ(Get("real/a.417"), file_test::JoinLines(file_test::DistinctFileLines()));
  EXPECT_EQ(Listing(), (std::vector<std::string>{"link.417", "real"}));
}

struct PosixSaveFailure {
  const char* description;
  const char* name;  // inside the test's folder, which holds "plain", "folder" and "pipe"
  int osError;
  const char* reason;  // in the message
};

class PosixSaveFailureTest : public PosixSaveTest,
                             public testing::WithParamInterface<PosixSaveFailure> {};

TEST_P(PosixSaveFailureTest, ReportsTheErrnoAndLeavesEverythingAsItWas) {
  Put("plain", "old contents");
  fs::create_directory(PathOf("folder"));
  ASSERT_EQ(mkfifo(PathOf("pipe").c_str(), 0600), 0);
  const std::vector<std::string> before = Listing();
  const Status status = SaveConfigFile(PathOf(GetParam().name), StartupConfig());
  EXPECT_EQ(status.code(), StatusCode::kIoError);
  EXPECT_EQ(status.osError(), GetParam().osError);
  ExpectNamed(status, GetParam().reason);
  EXPECT_EQ(Listing(), before);
  EXPECT_TRUE(fs::is_fifo(PathOf("pipe")));
  EXPECT_EQ(Get("plain"), "old contents");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PosixSaveFailureTest,
    testing::Values(
        PosixSaveFailure{"missing folder", "missing/a.417", ENOENT, "No such file or directory"},
        PosixSaveFailure{"under a regular file", "plain/a.417", ENOTDIR, "Not a directory"},
        PosixSaveFailure{"path is a folder", "folder", EISDIR, "a folder"},
        PosixSaveFailure{"path is a pipe", "pipe", 0, "a device or a pipe"}),
    tqr417::test_support::RowName{});

}  // namespace
}  // namespace tqr417
