#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "link/uucp_lock.h"

namespace tqr417 {

namespace {

constexpr const char* kLockFolder = "/var/lock";

// The process id a lock file names (ASCII, as the file is written today), or 0.
long ReadHolder(const std::string& path, bool& exists) {
  std::ifstream file(path);
  exists = file.is_open();
  long id = 0;
  if (!(file >> id) || id <= 0 || id > INT_MAX) return 0;
  return id;
}

// A process that exists, ours or another user's (which only answers EPERM).
bool IsRunning(long id) { return kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM; }

std::string ProgramOf(long id) {
  std::ifstream comm("/proc/" + std::to_string(id) + "/comm");
  std::string name;
  std::getline(comm, name);
  return name;
}

// Writes this process's lock file at `path` whole or not at all: a reader never sees it half
// written. Returns 0, or the errno of the failure (EEXIST: another process has the lock).
int MakeLockFile(const std::string& path) {
  const std::string draft = path + "." + std::to_string(getpid());
  const int fd = open(draft.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return errno;
  char text[16];
  const int length = std::snprintf(text, sizeof text, "%10ld\n", static_cast<long>(getpid()));
  const bool written = write(fd, text, static_cast<size_t>(length)) == length;
  close(fd);
  int error = written ? 0 : EIO;
  if (error == 0 && link(draft.c_str(), path.c_str()) != 0) error = errno;
  unlink(draft.c_str());
  return error;
}

}  // namespace

UucpLock::UucpLock(UucpLock&& other) noexcept : made_(std::move(other.made_)) {
  other.made_.clear();
}

UucpLock& UucpLock::operator=(UucpLock&& other) noexcept {
  if (this != &other) {
    Release();
    made_ = std::move(other.made_);
    other.made_.clear();
  }
  return *this;
}

UucpLock::~UucpLock() { Release(); }

std::string UucpLock::LockFileOf(const std::string& device) {
  std::error_code ignored;
  std::filesystem::path real = std::filesystem::canonical(device, ignored);
  if (real.empty()) real = device;
  return std::string(kLockFolder) + "/LCK.." + real.filename().string();
}

std::optional<UucpLock::Holder> UucpLock::Take(const std::string& device) {
  Release();
  const std::string path = LockFileOf(device);
  // A few rounds: another program may take or drop the lock between the steps.
  for (int round = 0; round < 3; ++round) {
    bool exists = false;
    const long holder = ReadHolder(path, exists);
    if (holder == getpid()) return std::nullopt;
    if (holder != 0 && IsRunning(holder)) return Holder{holder, ProgramOf(holder)};
    if (exists) unlink(path.c_str());  // its process has ended
    const int error = MakeLockFile(path);
    if (error == 0) {
      made_ = path;
      return std::nullopt;
    }
    if (error != EEXIST) return std::nullopt;  // a lock folder this user cannot write
  }
  return std::nullopt;
}

void UucpLock::Release() {
  if (made_.empty()) return;
  bool exists = false;
  // Only a file that still names this process is this one's to remove.
  if (ReadHolder(made_, exists) == getpid()) unlink(made_.c_str());
  made_.clear();
}

}  // namespace tqr417
