#pragma once
// The two transfers with the unit, free of any window. Neither retries; each opens its own
// connection and closes it on every path after a successful open.
//
// Upload: CMD_SEND_CONFIG, the frame with its checksum, then one answer byte. The caller's
// report runs while the port is still held, and the port is closed after it returns.
// Download: CMD_RECV_CONFIG, then the frame read one byte at a time; the port is closed
// before the result is returned. Only a complete frame with a matching checksum replaces the
// configuration: a unit that stops part-way or sends a damaged frame changes nothing.

#include <functional>
#include <string>
#include <utility>

#include "config/status.h"
#include "config/unit_config.h"
#include "link/byte_channel.h"
#include "link/transfer_outcome.h"

namespace tqr417 {

// The port a transfer opens: the application's comPort choice (0 Com1, anything else Com2),
// or a device given by its path. Converts from the comPort choice, so the window passes its
// AppState::comPort as it stands.
struct PortSelection {
  PortSelection(int comPortChoice = 0) : comPort(comPortChoice) {}
  static PortSelection Device(std::string path) {
    PortSelection selection;
    selection.device = std::move(path);
    return selection;
  }

  int comPort = 0;
  std::string device;  // when not empty, opened instead of the comPort choice
};

struct TransferResult {
  TransferOutcome outcome;
  // Why the transfer failed where the port told: the port could not be opened
  // (kOpenFailed), or the line failed part-way (kUploadRefused, kDownloadTimeout). Else ok.
  // Its message names the port and device; the technician is shown it after the outcome's.
  Status reason;
};

using ReportWhileOpen = std::function<void(const TransferResult&)>;

// Sends `config` to the unit. `report`, when given, is called once with the result before
// the port is closed (also when it could not be opened).
TransferResult Upload(const UnitConfig& config, const PortSelection& port,
                      const ReportWhileOpen& report = {});

// Asks the unit for its configuration and replaces `config` with it when the frame is
// complete and intact. The port is closed when this returns.
TransferResult Download(UnitConfig& config, const PortSelection& port);

// The exchanges themselves, over a channel the caller has opened and will close. A line that
// fails ends the exchange at once, with the channel's failure as the reason: an upload as
// refused, a download as timed out.
TransferResult UploadOver(ByteChannel& channel, const UnitConfig& config);
TransferResult DownloadOver(ByteChannel& channel, UnitConfig& config);

}  // namespace tqr417
