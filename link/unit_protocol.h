#pragma once
// Command and answer bytes exchanged with the TQR-417.
//
//   application -> unit: CMD_SEND_CONFIG, then the 936-byte frame; unit -> application: one
//                        answer byte within READ_TIMEOUT_MS after the frame has left the line,
//                        REPLY_ACCEPTED when the unit took it.
//   application -> unit: CMD_RECV_CONFIG; unit -> application: its 936-byte frame, beginning
//                        within READ_TIMEOUT_MS, with no gap of READ_TIMEOUT_MS or more.

#include <cstdint>

namespace tqr417 {

inline constexpr uint8_t CMD_SEND_CONFIG = 0x42;  // "B"
inline constexpr uint8_t CMD_RECV_CONFIG = 0x41;  // "A"
inline constexpr uint8_t REPLY_ACCEPTED = 0x41;   // "A"

// Output queue sizes recommended to the driver for each transfer.
inline constexpr int UPLOAD_OUTPUT_QUEUE = 8;
inline constexpr int DOWNLOAD_OUTPUT_QUEUE = 1024;

}  // namespace tqr417
