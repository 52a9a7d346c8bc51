#pragma once
// The production modal runner: QDialog::exec, QMessageBox, QFileDialog and QMenu.

#include "framework/modal_runner.h"

namespace tqr417::fw {

class QtModalRunner : public ModalRunner {
 public:
  int RunDialog(CDialog& dialog) override;
  int ShowMessage(const MessageRequest& request, QWidget* owner) override;
  std::optional<CString> ChooseFile(const FileRequest& request, QWidget* owner) override;
  UINT TrackMenu(const CMenu& menu, QWidget* owner, const QPoint& globalPos) override;
};

}  // namespace tqr417::fw
