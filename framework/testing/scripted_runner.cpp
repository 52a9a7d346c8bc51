#include "framework/testing/scripted_runner.h"

#include "framework/dialog.h"
#include "framework/dialog_template.h"
#include "framework/menu.h"
#include "framework/toolkit.h"

namespace tqr417::fw {

void ScriptedRunner::OnDialog(int templateId, DialogScript script) {
  scripts_[templateId].push_back(std::move(script));
}

void ScriptedRunner::AnswerMessages(std::vector<int> answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

void ScriptedRunner::ChooseFile(std::optional<std::string> path) {
  files_.push_back(std::move(path));
}

void ScriptedRunner::ChooseMenuCommand(UINT command) { menuCommands_.push_back(command); }

int ScriptedRunner::PendingScripts() const {
  int pending = 0;
  for (const auto& [id, queue] : scripts_) pending += static_cast<int>(queue.size());
  return pending + static_cast<int>(files_.size() + menuCommands_.size());
}

void ScriptedRunner::ClearRecords() {
  messages_.clear();
  fileRequests_.clear();
  dialogsRun_.clear();
  menus_.clear();
  unexpected_ = 0;
}

int ScriptedRunner::RunDialog(CDialog& dialog) {
  // A dialog runs only when its template exists.
  const int templateId = dialog.Template()->id;
  dialogsRun_.push_back(templateId);
  DialogPeer* window = dialog.Peer();
  if (window == nullptr) return -1;
  const std::function<void()> giveActivationBack = toolkit::ActivationKeeper();
  if (!dialog.HasEnded()) {
    window->Show();
    window->Activate();
    auto& queue = scripts_[templateId];
    if (!queue.empty()) {
      const DialogScript script = std::move(queue.front());
      queue.pop_front();
      DialogDriver driver(dialog);
      script(driver);
    }
    if (!dialog.HasEnded()) {
      ++unexpected_;  // run without a script, or left open by its script
      dialog.EndDialog(IDCANCEL);
    }
  }
  window->Hide();
  giveActivationBack();
  return dialog.EndCode();
}

int ScriptedRunner::ShowMessage(const MessageRequest& request, CDialog* /*owner*/) {
  messages_.push_back(MessageRecord{request.text, request.type & MB_ICONMASK,
                                    request.type & MB_TYPEMASK, request.caption, request.encoding});
  if (!answers_.empty()) {
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return (request.type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
}

std::optional<std::string> ScriptedRunner::ChooseFile(const FileRequest& request,
                                                      CDialog* /*owner*/) {
  fileRequests_.push_back(request);
  if (files_.empty()) {
    ++unexpected_;
    return std::nullopt;
  }
  std::optional<std::string> path = std::move(files_.front());
  files_.pop_front();
  return path;
}

UINT ScriptedRunner::TrackMenu(const CMenu& menu, CDialog* /*owner*/,
                               const ScreenPoint& /*globalPos*/) {
  std::vector<UINT> commands;
  for (const CMenu::Item& item : menu.Items()) {
    if ((item.flags & MF_SEPARATOR) == 0) commands.push_back(item.command);
  }
  menus_.push_back(commands);
  if (menuCommands_.empty()) {
    ++unexpected_;
    return 0;
  }
  const UINT command = menuCommands_.front();
  menuCommands_.pop_front();
  return command;
}

}  // namespace tqr417::fw
