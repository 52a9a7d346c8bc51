#pragma once
// How the simulated unit behaves: a sound unit by default, or one of the faults a
// technician meets on a real line.

namespace tqr417::sim {

struct UnitBehaviour {
  bool silent = false;         // takes requests, never answers
  bool refuse = false;         // answers every upload with REPLY_REFUSED and keeps nothing
  bool forget = false;         // accepts an intact upload but keeps the configuration it held
  int stopAfterBytes = -1;     // a download sends only the first N bytes of the frame (< 0: all)
  bool wrongChecksum = false;  // a download's checksum word is off by one
  // The answer to an upload goes out this long after the frame has left the line (byte i of
  // the upload counts as arrived LineTime(i + 1) after the command byte was read); the first
  // byte of a downloaded frame this long after the command.
  int answerDelayMs = 0;
  // Line-rate pacing: every byte the unit sends is written only once the one before it would
  // have left a 4800-baud line.
  bool paced = false;
};

// What the unit answers to an upload it does not take.
inline constexpr unsigned char REPLY_REFUSED = 0x4E;  // "N"

}  // namespace tqr417::sim
