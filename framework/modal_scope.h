#pragma once
// ModalScope: marks a modal run (dialog, message box, file chooser, menu) for its duration.
// It keeps the stack of dialogs running modally (the owner of new modal runs) and lets input
// through a CWaitCursor while the technician answers the modal window.

class CDialog;

namespace tqr417::fw {

class ModalScope {
 public:
  // `dialog` is the dialog that runs, nullptr for a message box, chooser or menu.
  explicit ModalScope(CDialog* dialog = nullptr);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

  // Number of modal runs open now.
  static int Depth();
  // Number of modal runs started so far; a change tells that one ran in between.
  static int RunsStarted();

 private:
  CDialog* dialog_;
};

// The innermost dialog running modally, nullptr when none.
CDialog* InnermostRunningDialog();

}  // namespace tqr417::fw
