// The safe save and the whole-file read on POSIX systems.
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "file/safe_file.h"
#include "file/safe_file_messages.h"
#include "platform/os_error.h"

namespace tqr417 {

namespace {

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

// A file the user may not write. Root may write any file, so a file without any write
// permission counts as read-only for root too, as it does on Windows for everyone.
bool IsReadOnly(const std::string& path, const struct stat& info) {
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
  return access(path.c_str(), W_OK) != 0 && errno == EACCES;
}

// True when no process `id` exists any more. A process of another user still exists (EPERM);
// an id that is no process id at all is left alone.
bool ProcessHasEnded(unsigned long id) {
  if (id == 0 || id > static_cast<unsigned long>(INT_MAX)) return false;
  return kill(static_cast<pid_t>(id), 0) != 0 && errno == ESRCH;
}

// Removes from `folder` the temporary files of saves whose process has ended: a save killed
// between creating its file and the rename leaves one behind. Only names the save makes, and
// only regular files, are touched; a file that cannot be removed stays.
void RemoveAbandonedTemporaryFiles(const std::string& folder) {
  DIR* listing = opendir(folder.c_str());
  if (listing == nullptr) return;
  const int folderFd = dirfd(listing);
  while (const dirent* entry = readdir(listing)) {
    const std::optional<unsigned long> owner = TemporaryFileOwner(entry->d_name);
    if (!owner || *owner == static_cast<unsigned long>(getpid()) || !ProcessHasEnded(*owner)) {
      continue;
    }
    struct stat info {};
    if (fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(info.st_mode)) {
      unlinkat(folderFd, entry->d_name, 0);
    }
  }
  closedir(listing);
}

std::string GroupName(gid_t group) {
  std::vector<char> buffer(16384);
  struct group entry {};
  struct group* found = nullptr;
  if (getgrgid_r(group, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
    return found->gr_name;
  }
  return std::to_string(group);
}

// The extended attributes of the file at `path` (the POSIX access control list is
// "system.posix_acl_access"), as name and value.
std::vector<std::pair<std::string, std::string>> ExtendedAttributes(const std::string& path) {
  std::vector<std::pair<std::string, std::string>> attributes;
  ssize_t size = llistxattr(path.c_str(), nullptr, 0);
  if (size <= 0) return attributes;
  std::string names(static_cast<std::size_t>(size), '\0');
  size = llistxattr(path.c_str(), names.data(), names.size());
  if (size <= 0) return attributes;
  names.resize(static_cast<std::size_t>(size));
  for (std::size_t at = 0; at < names.size();) {
    const std::string name = names.c_str() + at;
    at += name.size() + 1;
    const ssize_t length = lgetxattr(path.c_str(), name.c_str(), nullptr, 0);
    if (length < 0) continue;
    std::string value(static_cast<std::size_t>(length), '\0');
    const ssize_t got = lgetxattr(path.c_str(), name.c_str(), value.data(), value.size());
    if (got < 0) continue;
    value.resize(static_cast<std::size_t>(got));
    attributes.emplace_back(name, std::move(value));
  }
  return attributes;
}

// Gives the new file `fd` what the file it replaces was: its group, its extended attributes
// and, last (a mode change after the access control list keeps the list's mask), its mode.
// Returns the errno of a failed mode change; what else could not be kept is added to `lost`
// with the first reason in `reason`.
int KeepWhatTheFileWas(int fd, const std::string& path, const struct stat& existing,
                       std::vector<std::string>& lost, std::string& reason) {
  const auto missed = [&lost, &reason](std::string what, int error) {
    if (reason.empty()) reason = OsErrorText(error);
    lost.push_back(std::move(what));
  };
  struct stat created {};
  if (fstat(fd, &created) == 0 && created.st_gid != existing.st_gid &&
      fchown(fd, static_cast<uid_t>(-1), existing.st_gid) != 0) {
    missed("its group \"" + GroupName(existing.st_gid) + "\"", errno);
  }
  for (const auto& [name, value] : ExtendedAttributes(path)) {
    // The system gives a new file its own security label; only the user's attributes and the
    // access control list are the file's to keep.
    const bool kept = name.starts_with("user.") || name.starts_with("system.");
    if (fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) != 0 && kept) {
      missed(name == "system.posix_acl_access" ? std::string("its access control list")
                                               : "its attribute \"" + name + "\"",
             errno);
    }
  }
  return fchmod(fd, existing.st_mode & 07777) == 0 ? 0 : errno;
}

}  // namespace

Status ReplaceFileContents(const std::string& shownPath, std::string_view contents,
                           ReadOnlyFile readOnly) {
  const std::string path = ResolveLink(shownPath);
  struct stat existing {};
  const bool exists = stat(path.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) return NotAFile("save", shownPath, existing.st_mode);
  if (exists && readOnly == ReadOnlyFile::kRefuse && IsReadOnly(path, existing)) {
    return ReadOnlyRefused(shownPath);
  }
  const std::string folder = FolderOf(path);
  RemoveAbandonedTemporaryFiles(folder);
  std::string tempPath;
  const int fd = CreateTemporaryFile(folder, tempPath);
  if (fd < 0) {
    return FileStepFailed("save", shownPath, "creating a new file in folder \"" + folder + "\"",
                          errno);
  }

  std::string step;
  int error = 0;
  std::vector<std::string> lost;
  std::string lossReason;
  if (exists && (error = KeepWhatTheFileWas(fd, path, existing, lost, lossReason)) != 0) {
    step = "keeping the file's permissions";
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
    return FileStepFailed("save", shownPath, step, error);
  }

  if (const int syncError = SyncFolder(folder); syncError != 0) {
    return FolderNotFlushed(shownPath, syncError);
  }
  return lost.empty() ? Status::Ok() : SavedWithLoss(shownPath, lost, lossReason);
}

Status ReadWholeFile(const std::string& path, std::string& contents) {
  // O_NONBLOCK keeps the open of a pipe without a writer from hanging; it is refused below.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return FileStepFailed("load", path, "opening", errno);

  struct stat info {};
  Status status;
  if (fstat(fd, &info) != 0) {
    status = FileStepFailed("load", path, "examining the file", errno);
  } else if (!S_ISREG(info.st_mode)) {
    status = NotAFile("load", path, info.st_mode);
  }

  std::string data;
  char buffer[16384];
  while (status.ok()) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) status = FileStepFailed("load", path, "reading", errno);
    if (got <= 0) break;
    data.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  if (status.ok()) contents = std::move(data);
  return status;
}

}  // namespace tqr417
