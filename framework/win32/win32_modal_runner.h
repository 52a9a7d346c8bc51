#pragma once
// The production modal runner: the system's modal dialog box, MessageBoxW, the common open
// and save choosers and popup menus.

#include "framework/modal_runner.h"

namespace tqr417::fw {

class Win32ModalRunner : public ModalRunner {
 public:
  int RunModal(CDialog& dialog) override;
  int RunDialog(CDialog& dialog) override;
  int ShowMessage(const MessageRequest& request, CDialog* owner) override;
  std::optional<std::string> ChooseFile(const FileRequest& request, CDialog* owner) override;
  UINT TrackMenu(const CMenu& menu, CDialog* owner, const ScreenPoint& globalPos) override;
};

// The window a new window of a dialog is made over: `owner`'s window, else the active one.
HWND OwnerWindow(CDialog* owner);

}  // namespace tqr417::fw
