#pragma once
// The master side of a new pseudo-terminal. Whatever opens the slave device (its path) sees
// a serial port; the master reads what the slave's owner writes and writes what it reads.
// tcgetattr on the master returns the slave's line settings.

#include <string>

#include "config/status.h"

namespace tqr417::sim {

class PtyMaster {
 public:
  PtyMaster() = default;
  ~PtyMaster();
  PtyMaster(const PtyMaster&) = delete;
  PtyMaster& operator=(const PtyMaster&) = delete;

  Status Open();
  void Close();

  int fd() const { return fd_; }
  const std::string& SlavePath() const { return slavePath_; }

 private:
  int fd_ = -1;
  std::string slavePath_;
};

}  // namespace tqr417::sim
