#pragma once
// ScriptedChannel: an in-memory ByteChannel for the transfers. Reads serve `incoming` in
// order (a NO_DATA entry is a time-out at that point) and give NO_DATA once it runs out;
// writes are recorded, with how many bytes had been written when WaitUntilSent was called.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "link/byte_channel.h"

namespace tqr417 {

class ScriptedChannel : public ByteChannel {
 public:
  uint16_t ReadByte() override {
    ++reads;
    readsAfterWait += waitedAt.empty() ? 0 : 1;
    if (incoming.empty()) return NO_DATA;
    const uint16_t next = incoming.front();
    incoming.pop_front();
    return next;
  }

  void Write(std::span<const uint8_t> bytes) override {
    written.insert(written.end(), bytes.begin(), bytes.end());
    writeSizes.push_back(bytes.size());
  }

  void WaitUntilSent() override { waitedAt.push_back(written.size()); }

  void Queue(std::span<const uint8_t> bytes) {
    incoming.insert(incoming.end(), bytes.begin(), bytes.end());
  }

  std::deque<uint16_t> incoming;
  std::vector<uint8_t> written;
  std::vector<size_t> writeSizes;
  std::vector<size_t> waitedAt;  // bytes written at each WaitUntilSent
  int reads = 0;
  int readsAfterWait = 0;
};

}  // namespace tqr417
