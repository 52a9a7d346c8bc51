#pragma once
// The two transfers with the unit, free of any window. Neither retries; each runs over its
// own connection, opened for it and closed after it.
//
// Upload: CMD_SEND_CONFIG, the frame with its checksum, then one answer byte.
// Download: CMD_RECV_CONFIG, then the frame read one byte at a time. Only a complete frame
// with a matching checksum replaces the configuration: a unit that stops part-way or sends a
// damaged frame changes nothing.

#include "config/com_port.h"
#include "config/status.h"
#include "config/unit_config.h"
#include "link/byte_channel.h"
#include "link/port_opener.h"
#include "link/transfer_outcome.h"

namespace tqr417 {

struct TransferResult {
  TransferOutcome outcome;
  // Why the transfer failed where the port told: the port could not be opened
  // (kOpenFailed), or the line failed part-way (kUploadRefused, kDownloadTimeout). Else ok.
  // Its message names the port and device; the technician is shown it after the outcome's.
  Status reason;
};

// The whole of a transfer for callers that report once the port is closed (the companion):
// opens `port` through `opener` with the transfer's output queue, runs the exchange below
// and closes the port. A failed open gives kOpenFailed with the opener's reason.
TransferResult Upload(const UnitConfig& config, PortOpener& opener, ComPort port);
// Replaces `config` with the unit's only for a complete, intact frame.
TransferResult Download(UnitConfig& config, PortOpener& opener, ComPort port);

// The exchanges themselves, over a channel the caller has opened and will close. A line that
// fails ends the exchange at once, with the channel's failure as the reason: an upload as
// refused, a download as timed out.
TransferResult UploadOver(ByteChannel& channel, const UnitConfig& config);
TransferResult DownloadOver(ByteChannel& channel, UnitConfig& config);

}  // namespace tqr417
