// The safe save on POSIX systems: permissions, group, extended attributes and access control
// lists, symbolic links, pipes and the errno reported.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
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

// Another group than the process's own that the user may give a file: any for root, else one
// of the user's other groups.
std::optional<gid_t> OtherGroup() {
  if (geteuid() == 0) return getegid() + 1;
  std::vector<gid_t> groups(static_cast<std::size_t>(getgroups(0, nullptr)) + 1);
  groups.resize(
      static_cast<std::size_t>(getgroups(static_cast<int>(groups.size()), groups.data())));
  for (gid_t group : groups) {
    if (group != getegid()) return group;
  }
  return std::nullopt;
}

gid_t GroupOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(stat(path.c_str(), &info), 0);
  return info.st_gid;
}

TEST_F(PosixSaveTest, SaveKeepsTheFilesGroup) {
  const std::optional<gid_t> group = OtherGroup();
  if (!group) GTEST_SKIP() << "the user belongs to one group only";
  Put("a.417", "old contents");
  ASSERT_EQ(chown(PathOf("a.417").c_str(), static_cast<uid_t>(-1), *group), 0);
  ASSERT_EQ(chmod(PathOf("a.417").c_str(), 0640), 0);
  const Status status = SaveConfigFile(PathOf("a.417"), file_test::DistinctConfig());
  EXPECT_TRUE(status.ok());
  EXPECT_EQ(status.message(), "");
  EXPECT_EQ(GroupOf(PathOf("a.417")), *group);
  EXPECT_EQ(fs::status(PathOf("a.417")).permissions(), fs::perms(0640));
}

// An access control list as the kernel stores it in "system.posix_acl_access": version 2, then
// (tag, permissions, id) for the owner, user 4242, the owning group, the mask and others.
std::string AccessControlList(uint16_t userBits, uint16_t maskBits) {
  const struct {
    uint16_t tag, permissions;
    uint32_t id;
  } entries[] = {{0x01, 6, 0xFFFFFFFF},
                 {0x02, userBits, 4242},
                 {0x04, 4, 0xFFFFFFFF},
                 {0x10, maskBits, 0xFFFFFFFF},
                 {0x20, 0, 0xFFFFFFFF}};
  std::string bytes;
  const auto put = [&bytes](uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  put(2, 4);
  for (const auto& entry : entries) put(entry.tag, 2), put(entry.permissions, 2), put(entry.id, 4);
  return bytes;
}

std::string Attribute(const std::string& path, const char* name) {
  std::string value(256, '\0');
  const ssize_t size = getxattr(path.c_str(), name, value.data(), value.size());
  return size < 0 ? std::string("<none>") : value.substr(0, static_cast<std::size_t>(size));
}

TEST_F(PosixSaveTest, SaveKeepsTheAccessControlListAndTheUsersAttributes) {
  Put("a.417", "old contents");
  const std::string path = PathOf("a.417");
  const std::string list = AccessControlList(6, 6);
  if (setxattr(path.c_str(), "system.posix_acl_access", list.data(), list.size(), 0) != 0 ||
      setxattr(path.c_str(), "user.site", "north", 5, 0) != 0) {
    GTEST_SKIP() << "the test folder's file system keeps no access control lists or user "
                    "attributes ("
                 << std::strerror(errno) << ")";
  }
  // With an access control list the group bits of the mode are its mask: rw for user 4242.
  ASSERT_EQ(fs::status(path).permissions(), fs::perms(0660));
  const Status status = SaveConfigFile(path, file_test::DistinctConfig());
  EXPECT_TRUE(status.ok());
  EXPECT_EQ(status.message(), "");
  EXPECT_EQ(Attribute(path, "system.posix_acl_access"), list);
  EXPECT_EQ(Attribute(path, "user.site"), "north");
  EXPECT_EQ(fs::status(path).permissions(), fs::perms(0660));
}

// A user who is not in the file's group cannot give the new file that group: the save still
// goes on and warns. Made as root, by a child process that takes another user's identity.
TEST_F(PosixSaveTest, SaveThatCannotKeepTheGroupGoesOnAndSaysSo) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to make a file of a group the user is not in";
  constexpr uid_t kUser = 4242;
  constexpr gid_t kUsersGroup = 4242;
  constexpr gid_t kFilesGroup = 4343;
  Put("a.417", "old contents");
  const std::string path = PathOf("a.417");
  ASSERT_EQ(chown(folder_.c_str(), kUser, kUsersGroup), 0);
  ASSERT_EQ(chown(path.c_str(), kUser, kFilesGroup), 0);
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  int answer[2];
  ASSERT_EQ(pipe(answer), 0);
  const pid_t child = fork();
  if (child == 0) {
    close(answer[0]);
    const gid_t none[] = {kUsersGroup};
    if (setgroups(1, none) != 0 || setgid(kUsersGroup) != 0 || setuid(kUser) != 0) _exit(3);
    const Status status = SaveConfigFile(path, file_test::DistinctConfig());
    const std::string said = (status.ok() ? "ok: " : "failed: ") + status.message();
    _exit(write(answer[1], said.data(), said.size()) == static_cast<ssize_t>(said.size()) ? 0 : 4);
  }
  close(answer[1]);
  std::string said;
  char buffer[512];
  for (ssize_t got; (got = read(answer[0], buffer, sizeof buffer)) > 0;) said.append(buffer, got);
  close(answer[0]);
  int exitStatus = 0;
  ASSERT_EQ(waitpid(child, &exitStatus, 0), child);
  ASSERT_TRUE(WIFEXITED(exitStatus) && WEXITSTATUS(exitStatus) == 0) << exitStatus;
  EXPECT_EQ(said, "ok: Saved \"" + path + "\", but could not keep its group \"4343\" " +
                      "(Operation not permitted).");
  EXPECT_EQ(Get("a.417"), file_test::JoinLines(file_test::DistinctFileLines()));
  EXPECT_EQ(GroupOf(path), kUsersGroup);
  // The mode stays as it was.
  EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
}

// A temporary file of a running process (of another user, here init) is another save's work.
TEST_F(PosixSaveTest, SaveLeavesTheTemporaryFileOfARunningProcess) {
  Put(".tqr417-1-0-1f.tmp", "x");
  ASSERT_TRUE(SaveConfigFile(PathOf("a.417"), file_test::DistinctConfig()).ok());
  EXPECT_EQ(Listing(), (std::vector<std::string>{".tqr417-1-0-1f.tmp", "a.417"}));
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
