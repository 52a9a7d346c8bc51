#pragma once
// How a transfer with the unit ended, and the message the technician is shown for it.

#include <string_view>

namespace tqr417 {

enum class TransferOutcome {
  kOpenFailed,           // either transfer: the port could not be opened
  kUploadAccepted,       // the unit answered REPLY_ACCEPTED
  kUploadRefused,        // the unit answered another byte, or nothing in time
  kDownloadTimeout,      // a byte of the frame did not come in time; nothing was changed
  kDownloadBadChecksum,  // a whole frame came with a wrong checksum; nothing was changed
  kDownloadOk,           // a whole, intact frame replaced the configuration
};

enum class MessageIcon { kNone, kStop };

struct OutcomeMessage {
  std::string_view text;
  MessageIcon icon;
};

// The message box text and icon for an outcome.
OutcomeMessage MessageFor(TransferOutcome outcome);

// True for the two outcomes that report success.
bool Succeeded(TransferOutcome outcome);

}  // namespace tqr417
