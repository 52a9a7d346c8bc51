// The safe save and the whole-file read on POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "file/safe_file.h"
#include "file/safe_file_messages.h"

namespace tqr417 {

namespace {

Status OsError(const char* verb, const std::string& path, const std::string& step, int error) {
  return FileStepFailed(verb, path, step, std::strerror(error), error);
}

Status NotAFile(const char* verb, const std::string& path, mode_t mode) {
  const bool folder = S_ISDIR(mode);
  return tqr417::NotAFile(verb, path, folder, folder ? EISDIR : 0);
}

std::string FolderOf(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

// Creates a file of a fresh name in `folder`, with the permissions that umask allows, and never
// one that already exists (O_EXCL), so two saves cannot write into the same file. Returns its
// descriptor, or -1 with errno set.
int CreateTemporaryFile(const std::string& folder, std::string& tempPath) {
  constexpr int kAttempts = 64;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    tempPath = folder + "/" + TemporaryFileName(static_cast<unsigned long>(getpid()));
    const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// Makes the rename itself durable. File systems that cannot sync a folder say so with EINVAL.
int SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int error = fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  close(fd);
  return error;
}

// A path that is a symbolic link to an existing file names that file: the save replaces
// the file the link points to and keeps the link.
std::string ResolveLink(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char* real = realpath(path.c_str(), nullptr);
  if (real == nullptr) return path;
  std::string target = real;
  free(real);
  return target;
}

}  // namespace

Status ReplaceFileContents(const std::string& shownPath, std::string_view contents) {
  const std::string path = ResolveLink(shownPath);
  struct stat existing {};
  const bool exists = stat(path.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) return NotAFile("save", shownPath, existing.st_mode);
  const std::string folder = FolderOf(path);
  std::string tempPath;
  const int fd = CreateTemporaryFile(folder, tempPath);
  if (fd < 0) {
    return OsError("save", shownPath, "creating a new file in folder \"" + folder + "\"", errno);
  }

  std::string step;
  int error = 0;
  if (exists && fchmod(fd, existing.st_mode & 07777) != 0) {
    step = "keeping the file's permissions";
    error = errno;
  } else if (!WriteAll(fd, contents)) {
    step = "writing";
    error = errno;
  } else if (fsync(fd) != 0) {
    step = "flushing to the disk";
    error = errno;
  }
  if (close(fd) != 0 && error == 0) {
    step = "closing";
    error = errno;
  }
  if (error == 0 && rename(tempPath.c_str(), path.c_str()) != 0) {
    step = "replacing the file";
    error = errno;
  }
  if (error != 0) {
    unlink(tempPath.c_str());
    return OsError("save", shownPath, step, error);
  }

  if (const int syncError = SyncFolder(folder); syncError != 0) {
    return FolderNotFlushed(shownPath, std::strerror(syncError), syncError);
  }
  return Status::Ok();
}

Status ReadWholeFile(const std::string& path, std::string& contents) {
  // O_NONBLOCK keeps the open of a pipe without a writer from hanging; it is refused below.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return OsError("load", path, "opening", errno);

  struct stat info {};
  Status status;
  if (fstat(fd, &info) != 0) {
    status = OsError("load", path, "examining the file", errno);
  } else if (!S_ISREG(info.st_mode)) {
    status = NotAFile("load", path, info.st_mode);
  }

  std::string data;
  char buffer[16384];
  while (status.ok()) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) status = OsError("load", path, "reading", errno);
    if (got <= 0) break;
    data.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  if (status.ok()) contents = std::move(data);
  return status;
}

}  // namespace tqr417
