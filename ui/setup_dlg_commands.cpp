// The main window's four configuration commands: upload, download, save and load.

#include <string>

#include "file/config_file.h"
#include "framework/file_dialog.h"
#include "framework/message_box.h"
#include "framework/wait_cursor.h"
#include "link/transfers.h"
#include "ui/setup_dlg.h"
#include "ui/upload_runner.h"

namespace {

// Both choosers: default extension "417", the pattern "*.417" as the name, no read-only
// option, and a question before an existing file is replaced.
constexpr const char* kExtension = "417";
constexpr const char* kPattern = "*.417";
constexpr DWORD kChooserFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

void ReportFileFailure(const tqr417::Status& status) {
  if (!status.ok()) AfxMessageBox(CString(status.message()), MB_ICONHAND);
}

}  // namespace

void CSetupDlg::ReportOutcome(const tqr417::TransferResult& result) {
  const tqr417::OutcomeMessage message = tqr417::MessageFor(result.outcome);
  std::string text(message.text);
  // A port that cannot be opened, or a line that fails part-way, is reported with the
  // reason, which names the port and its device, so the technician knows whether to plug in
  // a cable or close another program.
  if (!result.reason.message().empty()) text += "\n\n" + result.reason.message();
  AfxMessageBox(CString(text), message.icon == tqr417::MessageIcon::kStop ? MB_ICONHAND : MB_OK);
}

void CSetupDlg::OnSendConfig() {
  // The frame carries what the window shows, a value that failed its check included.
  StoreRows();
  // The line work runs on a helper thread over a copy, so nothing the window does while it
  // repaints can change the configuration under the encoder.
  const tqr417::UnitConfig sending = config_;
  tqr417::ui::RunUpload(sending, tqr417::PortSelection(state_.comPort),
                        [this](const tqr417::TransferResult& result) { ReportOutcome(result); });
}

void CSetupDlg::OnRecvConfig() {
  // The visible rows are not stored: the download replaces what the window shows.
  tqr417::UnitConfig received = config_;
  const tqr417::PortSelection port(state_.comPort);
  tqr417::TransferResult result;
  {
    CWaitCursor wait;
    result = CWaitCursor::Run([&received, &port] { return tqr417::Download(received, port); });
  }
  config_ = received;  // unchanged unless a whole, intact frame came in
  ReportOutcome(result);
  RefreshFromConfig();
}

void CSetupDlg::OnSaveConfig() {
  StoreRows();
  CFileDialog chooser(FALSE, kExtension, kPattern, kChooserFlags);
  if (chooser.DoModal() != IDOK) return;
  ReportFileFailure(tqr417::SaveConfigFile(chooser.GetPathName().str(), config_));
}

void CSetupDlg::OnLoadConfig() {
  // Nothing is stored first: what was typed and not yet stored is replaced by the refresh.
  CFileDialog chooser(TRUE, kExtension, kPattern, kChooserFlags);
  if (chooser.DoModal() == IDOK) {
    ReportFileFailure(tqr417::LoadConfigFile(chooser.GetPathName().str(), config_));
  }
  RefreshFromConfig();
}
