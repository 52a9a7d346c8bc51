#pragma once
// How the simulated unit behaves: a sound unit by default, or one of the faults a
// technician meets on a real line.

namespace tqr417::sim {

struct UnitBehaviour {
  bool silent = false;         // takes requests, never answers
  bool refuse = false;         // answers every upload with REPLY_REFUSED and keeps nothing
  int stopAfterBytes = -1;     // a download sends only the first N bytes of the frame (< 0: all)
  bool wrongChecksum = false;  // a download's checksum word is off by one
  int answerDelayMs = 0;       // the answer, or the first byte of a frame, goes out this late
  // Line-rate pacing: byte i of a received transfer counts as arrived LineTime(i + 1) after
  // its first byte was read, and every byte sent is written only once the previous one would
  // have left a 4800-baud line.
  bool paced = false;
};

// What the unit answers to an upload it does not take.
inline constexpr unsigned char REPLY_REFUSED = 0x4E;  // "N"

}  // namespace tqr417::sim
