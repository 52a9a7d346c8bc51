#include "link/transfer_outcome.h"

namespace tqr417 {

OutcomeMessage MessageFor(TransferOutcome outcome) {
  switch (outcome) {
    case TransferOutcome::kOpenFailed:
      return {"Error Opening Comm Port", MessageIcon::kStop};
    case TransferOutcome::kUploadAccepted:
      return {"Data Received by TQR-417 OK", MessageIcon::kNone};
    case TransferOutcome::kUploadRefused:
      return {"Error in Data sent to TQR-417", MessageIcon::kStop};
    case TransferOutcome::kDownloadTimeout:
      return {"Timeout receiving Data from TQR-417, Check Cables", MessageIcon::kStop};
    case TransferOutcome::kDownloadBadChecksum:
      return {"Error in Data Received from TQR-417", MessageIcon::kStop};
    case TransferOutcome::kDownloadOk:
      return {"Data received from TQR-417 OK", MessageIcon::kNone};
  }
  return {"Error Opening Comm Port", MessageIcon::kStop};
}

bool Succeeded(TransferOutcome outcome) {
  return outcome == TransferOutcome::kUploadAccepted || outcome == TransferOutcome::kDownloadOk;
}

}  // namespace tqr417
