#include "framework/modal_runner.h"

#include <algorithm>
#include <vector>

#include "framework/dialog.h"
#include "framework/modal_scope.h"
#include "framework/toolkit.h"
#include "framework/wait_rule.h"

namespace tqr417::fw {
namespace {

ModalRunner* g_installed = nullptr;
std::vector<CDialog*> g_running;
int g_depth = 0;
int g_started = 0;

}  // namespace

int ModalRunner::RunModal(CDialog& dialog) {
  if (dialog.Create() == FALSE) return -1;
  ModalScope running(&dialog);
  return RunDialog(dialog);
}

ModalRunner& CurrentModalRunner() {
  return g_installed != nullptr ? *g_installed : toolkit::ProductionRunner();
}

ModalRunner* SetModalRunner(ModalRunner* runner) {
  ModalRunner* previous = g_installed;
  g_installed = runner;
  return previous;
}

ChooserOpening OpeningOf(const FileRequest& request) {
  ChooserOpening opening;
  if (!request.filter.empty()) opening.patterns.push_back(request.filter);
  if (request.initialName.find_first_of("*?") != std::string::npos) {
    opening.patterns.push_back(request.initialName);
  } else {
    opening.fileName = request.initialName;
    if (!request.defaultExt.empty()) opening.patterns.push_back("*." + request.defaultExt);
  }
  return opening;
}

CDialog* ModalOwner() {
  CDialog* dialog = InnermostRunningDialog();
  return dialog != nullptr && dialog->Peer() != nullptr ? dialog : nullptr;
}

ModalScope::ModalScope(CDialog* dialog) : dialog_(dialog) {
  if (dialog_ != nullptr) g_running.push_back(dialog_);
  ++g_depth;
  ++g_started;
  ModalDepthChanged();  // the arrow over a wait cursor, if any
}

ModalScope::~ModalScope() {
  --g_depth;
  ModalDepthChanged();
  if (dialog_ != nullptr) {
    const auto found = std::find(g_running.rbegin(), g_running.rend(), dialog_);
    if (found != g_running.rend()) g_running.erase(std::next(found).base());
  }
}

int ModalScope::Depth() { return g_depth; }

int ModalScope::RunsStarted() { return g_started; }

CDialog* InnermostRunningDialog() { return g_running.empty() ? nullptr : g_running.back(); }

}  // namespace tqr417::fw
