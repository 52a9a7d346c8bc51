#pragma once
// ConfigFrame: the 936-byte image of a UnitConfig that the TQR-417 takes after the command
// byte CMD_SEND_CONFIG and sends back after CMD_RECV_CONFIG. One field list (frame_layout.h)
// serves both directions; this header gives the whole-frame operations on it.
//
// Layout: offsets 0-9 header, 10-809 function table (8 bytes per entry), 810-883 settings
// words, 884-933 Morse text, 934-935 checksum. Words are big-endian.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "config/entry_label.h"
#include "config/unit_config.h"

namespace tqr417 {

inline constexpr int FRAME_SIZE = 936;
inline constexpr int MORSE_FIELD_LEN = 50;
inline constexpr double MORSE_FREQ_SCALE = 8.192;

using ConfigFrame = std::array<uint8_t, FRAME_SIZE>;

struct EncodedFrame {
  ConfigFrame bytes{};  // checksum included
  int32_t sum = 0;      // the sender's running sum; its low 16 bits are the checksum word
};

// Converts every field for sending and closes the frame with the checksum.
EncodedFrame EncodeFrame(const UnitConfig& config);

struct DecodedFrame {
  UnitConfig config;          // every field of the three groups, as received
  uint16_t receivedChecksum;  // the last word of the frame
  uint16_t computedChecksum;  // the receiver's sum over the carried items, modulo 65536
  bool checksumOk() const { return receivedChecksum == computedChecksum; }
};

// Takes exactly FRAME_SIZE bytes. Every field of the result comes from the frame.
DecodedFrame DecodeFrame(std::span<const uint8_t, FRAME_SIZE> bytes);

// The relay number an entry's relay byte carries: the label with its first character
// blanked, read as atoi reads. "R01" gives 1, "" and "R" give 0.
int RelayNumberFromLabel(const std::string& label);

}  // namespace tqr417
