#pragma once
// ScriptedRunner: the modal runner for tests.
//
//   tqr417::fw::ScriptedRunner runner;
//   tqr417::fw::ScopedModalRunner use(runner);
//   runner.OnDialog(IDD_GAIN, [](DialogDriver& d) {
//     d.Type(IDC_GAIN_CTCSS, "11");
//     d.Enter();
//     d.Esc();
//   });
//   runner.AnswerMessages({IDOK});
//   EXPECT_EQ(dlg.DoModal(), IDCANCEL);
//   EXPECT_EQ(runner.Messages().size(), 1u);
//
// A dialog run shows and activates the window, processes events once, runs the next script
// queued for its template (no nested event loop) and returns the code the dialog ended with.
// A dialog that has no script, or that a script leaves open, counts as unexpected; it is
// ended with IDCANCEL. Message boxes are recorded and answered from the queued answers
// (IDOK when none is queued). File choosers and popup menus take the next queued answer; with
// none queued they count as unexpected and are cancelled.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/modal_runner.h"
#include "framework/testing/dialog_driver.h"

namespace tqr417::fw {

class ScriptedRunner : public ModalRunner {
 public:
  using DialogScript = std::function<void(DialogDriver&)>;

  struct MessageRecord {
    std::string text;  // in `encoding`
    UINT icon = 0;     // type & MB_ICONMASK
    UINT buttons = 0;  // type & MB_TYPEMASK
    CString caption;
    TextEncoding encoding = TextEncoding::kLatin1;
  };

  ScriptedRunner() = default;

  // Queues a script for the next run of a dialog on template `templateId`.
  void OnDialog(int templateId, DialogScript script);
  // Queues answers for the next message boxes, in order.
  void AnswerMessages(std::vector<int> answers);
  // Queues the result of the next file chooser: a path as typed, or nullopt for Cancel.
  void ChooseFile(std::optional<std::string> path);
  // Queues the command chosen in the next popup menu (0 for none).
  void ChooseMenuCommand(UINT command);

  const std::vector<MessageRecord>& Messages() const { return messages_; }
  const std::vector<FileRequest>& FileRequests() const { return fileRequests_; }
  // Template ids of the dialogs run, in order.
  const std::vector<int>& DialogsRun() const { return dialogsRun_; }
  // Menus opened: the command list of each.
  const std::vector<std::vector<UINT>>& MenusOpened() const { return menus_; }
  // Modal runs that nothing was queued for, and dialogs that a script left open.
  int UnexpectedModals() const { return unexpected_; }
  // Scripts still queued (not used).
  int PendingScripts() const;
  void ClearRecords();

  int RunDialog(CDialog& dialog) override;
  int ShowMessage(const MessageRequest& request, CDialog* owner) override;
  std::optional<std::string> ChooseFile(const FileRequest& request, CDialog* owner) override;
  UINT TrackMenu(const CMenu& menu, CDialog* owner, const ScreenPoint& globalPos) override;

 private:
  std::map<int, std::deque<DialogScript>> scripts_;
  std::deque<int> answers_;
  std::deque<std::optional<std::string>> files_;
  std::deque<UINT> menuCommands_;
  std::vector<MessageRecord> messages_;
  std::vector<FileRequest> fileRequests_;
  std::vector<int> dialogsRun_;
  std::vector<std::vector<UINT>> menus_;
  int unexpected_ = 0;
};

}  // namespace tqr417::fw
