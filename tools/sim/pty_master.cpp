#include "tools/sim/pty_master.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tqr417::sim {

PtyMaster::~PtyMaster() { Close(); }

Status PtyMaster::Open() {
  Close();
  const int fd = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    return Status::Error(StatusCode::kIoError,
                         std::string("Cannot create a pseudo-terminal: ") + std::strerror(error),
                         error);
  }
  char name[128];
  if (grantpt(fd) != 0 || unlockpt(fd) != 0 || ptsname_r(fd, name, sizeof name) != 0) {
    const int error = errno;
    close(fd);
    return Status::Error(StatusCode::kIoError,
                         std::string("Cannot set up a pseudo-terminal: ") + std::strerror(error),
                         error);
  }
  fd_ = fd;
  slavePath_ = name;
  return Status::Ok();
}

void PtyMaster::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  slavePath_.clear();
}

}  // namespace tqr417::sim
