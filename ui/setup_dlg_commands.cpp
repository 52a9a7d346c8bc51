// The main window's four configuration commands: upload, download, save and load.

#include <string>
#include <utility>

#include "file/config_file.h"
#include "framework/file_dialog.h"
#include "framework/message_box.h"
#include "framework/wait_cursor.h"
#include "link/transfers.h"
#include "link/unit_protocol.h"
#include "ui/setup_dlg.h"

namespace {

// Both choosers: default extension "417", the pattern "*.417" as the name, no read-only
// option, and a question before an existing file is replaced.
constexpr const char* kExtension = "417";
constexpr const char* kPattern = "*.417";
constexpr DWORD kChooserFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

// The file functions' messages name the file as the file system spells it, in UTF-8. A save
// that was done but could not keep all the old file was (its group) says so as a warning.
void ReportFileOutcome(const tqr417::Status& status) {
  if (!status.message().empty()) {
    AfxMessageBoxUtf8(status.message(), status.ok() ? MB_ICONEXCLAMATION : MB_ICONHAND);
  }
}

}  // namespace

void CSetupDlg::ReportOutcome(const tqr417::TransferResult& result) {
  const tqr417::OutcomeMessage message = tqr417::MessageFor(result.outcome);
  std::string text(message.text);
  // A port that cannot be opened, or a line that fails part-way, is reported with the
  // reason, which names the port and its device, so the technician knows whether to plug in
  // a cable or close another program.
  // Any other outcome names the port and device tried, so a message from a port that opens
  // the wrong device says which one it was.
  text += "\n\n" + (result.reason.message().empty() ? ports_.PortLabel(state_.comPort)
                                                    : result.reason.message());
  // The reason names the device as the file system spells it, in UTF-8.
  AfxMessageBoxUtf8(text, message.icon == tqr417::MessageIcon::kStop ? MB_ICONHAND : MB_OK);
}

void CSetupDlg::RunTransfer(
    int outputQueueSize, PortRelease release,
    const std::function<tqr417::TransferResult(tqr417::ByteChannel&)>& exchange) {
  tqr417::OpenedPort port = ports_.Open(state_.comPort, outputQueueSize);
  if (!port.channel) {
    ReportOutcome({tqr417::TransferOutcome::kOpenFailed, std::move(port.status)});
    return;
  }
  tqr417::TransferResult result;
  {
    CWaitCursor wait;
    result = CWaitCursor::Run([&exchange, &port] { return exchange(*port.channel); });
  }
  if (release == PortRelease::kBeforeResultShown) port.channel.reset();
  ReportOutcome(result);
  port.channel.reset();
}

void CSetupDlg::OnSendConfig() {
  // The frame carries what the window shows, a value that failed its check included.
  StoreRows();
  // The line work runs on a helper thread over a copy, so nothing the window does while it
  // repaints can change the configuration under the encoder.
  const tqr417::UnitConfig sending = config_;
  RunTransfer(
      tqr417::UPLOAD_OUTPUT_QUEUE, PortRelease::kAfterResultSeen,
      [&sending](tqr417::ByteChannel& channel) { return tqr417::UploadOver(channel, sending); });
}

void CSetupDlg::OnRecvConfig() {
  // The visible rows are not stored: the download replaces what the window shows. The frame
  // goes into a copy, taken over unchanged unless a whole, intact frame came in.
  tqr417::UnitConfig received = config_;
  RunTransfer(tqr417::DOWNLOAD_OUTPUT_QUEUE, PortRelease::kBeforeResultShown,
              [&received](tqr417::ByteChannel& channel) {
                return tqr417::DownloadOver(channel, received);
              });
  config_ = received;
  RefreshFromConfig();
}

void CSetupDlg::OnSaveConfig() {
  StoreRows();
  CFileDialog chooser(FALSE, kExtension, kPattern, kChooserFlags);
  if (chooser.DoModal() != IDOK) return;
  ReportFileOutcome(tqr417::SaveConfigFile(chooser.GetPathName(), config_));
}

void CSetupDlg::OnLoadConfig() {
  // Nothing is stored first: what was typed and not yet stored is replaced by the refresh.
  CFileDialog chooser(TRUE, kExtension, kPattern, kChooserFlags);
  if (chooser.DoModal() == IDOK) {
    LoadAndShow(chooser.GetPathName());
  } else {
    RefreshFromConfig();
  }
}

void CSetupDlg::LoadAndShow(const std::string& path) {
  ReportFileOutcome(tqr417::LoadConfigFile(path, config_));
  RefreshFromConfig();
}
