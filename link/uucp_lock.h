#pragma once
// The UUCP lock file of a serial device, as the platform's serial programs (minicom, cu, …)
// keep it: "LCK..<device's base name>" in /var/lock, holding the holder's process id as ten
// characters and a new line. A program that holds a port this way and takes no advisory lock
// is seen only through this file, so a port is opened only when no live process names it.
// POSIX systems only.

#include <optional>
#include <string>

namespace tqr417 {

class UucpLock {
 public:
  // Who holds a device's lock: the process id and its program name ("" when unknown).
  struct Holder {
    long processId = 0;
    std::string program;
  };

  UucpLock() = default;
  UucpLock(UucpLock&& other) noexcept;
  UucpLock& operator=(UucpLock&& other) noexcept;
  UucpLock(const UucpLock&) = delete;
  UucpLock& operator=(const UucpLock&) = delete;
  ~UucpLock();  // releases

  // Takes the lock of `device` (a link such as /dev/serial/by-id/… names the device it leads
  // to) for this process: the holder when another live process holds it, else nothing. A lock
  // file whose process has ended is removed first. Where the lock folder cannot be written
  // the port goes without a lock file of its own, as it did before; one that names this
  // process is left alone (the port's own advisory lock decides).
  std::optional<Holder> Take(const std::string& device);

  // Removes the lock file this made, if any.
  void Release();

  // The lock file's path for `device`, such as /var/lock/LCK..ttyUSB0.
  static std::string LockFileOf(const std::string& device);

 private:
  std::string made_;  // the lock file this made, empty when none
};

}  // namespace tqr417
