#pragma once
// The production modal runner: QDialog::exec, QMessageBox, QFileDialog and QMenu.

#include "framework/modal_runner.h"

namespace tqr417::fw {

class QtModalRunner : public ModalRunner {
 public:
  int RunDialog(CDialog& dialog) override;
  int ShowMessage(const MessageRequest& request, CDialog* owner) override;
  std::optional<std::string> ChooseFile(const FileRequest& request, CDialog* owner) override;
  UINT TrackMenu(const CMenu& menu, CDialog* owner, const ScreenPoint& globalPos) override;
};

}  // namespace tqr417::fw
