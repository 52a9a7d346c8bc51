#pragma once
// ScriptedChannel: an in-memory ByteChannel for the transfers. Reads serve `incoming` in
// order (a NO_DATA entry is a time-out at that point) and give NO_DATA once it runs out;
// writes are recorded, with how many bytes had been written when WaitUntilSent was called.
// The line can be made to fail at one point (`fault`); from then on the channel behaves as a
// failed line: writes and waits return false, reads give NO_DATA, nothing more is recorded.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "link/byte_channel.h"

namespace tqr417 {

class ScriptedChannel : public ByteChannel {
 public:
  enum class Fault {
    kNone,
    kWrite,  // the write that would take the bytes written past `faultAt` fails
    kWait,   // WaitUntilSent fails
    kRead,   // the read after `faultAt` reads fails
  };
  static constexpr const char* kFailure = "Com1 (/dev/scripted): the device was disconnected";

  uint16_t ReadByte() override {
    ++reads;
    readsAfterWait += waitedAt.empty() ? 0 : 1;
    if (!LineWorks() || (fault == Fault::kRead && reads > static_cast<int>(faultAt))) {
      FailLine();
      return NO_DATA;
    }
    if (incoming.empty()) return NO_DATA;
    const uint16_t next = incoming.front();
    incoming.pop_front();
    return next;
  }

  bool Write(std::span<const uint8_t> bytes) override {
    if (!LineWorks() || (fault == Fault::kWrite && written.size() + bytes.size() > faultAt)) {
      return FailLine();
    }
    written.insert(written.end(), bytes.begin(), bytes.end());
    writeSizes.push_back(bytes.size());
    return true;
  }

  bool WaitUntilSent() override {
    if (!LineWorks() || fault == Fault::kWait) return FailLine();
    waitedAt.push_back(written.size());
    return true;
  }

  void Queue(std::span<const uint8_t> bytes) {
    incoming.insert(incoming.end(), bytes.begin(), bytes.end());
  }

  std::deque<uint16_t> incoming;
  std::vector<uint8_t> written;
  std::vector<size_t> writeSizes;
  std::vector<size_t> waitedAt;  // bytes written at each WaitUntilSent
  int reads = 0;
  int readsAfterWait = 0;
  Fault fault = Fault::kNone;
  size_t faultAt = 0;

 private:
  bool FailLine() { return Fail(Status::Error(StatusCode::kIoError, kFailure)); }
};

}  // namespace tqr417
