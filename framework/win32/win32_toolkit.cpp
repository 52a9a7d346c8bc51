// The Win32 backend's toolkit functions (framework/toolkit.h) and its production modal runner:
// dialogs run as the system's modal dialog boxes, MessageBoxW, the common open and save
// choosers, popup menus, the wait cursor with its input block, the application.

#include <optional>

#include "framework/dialog.h"
#include "framework/menu.h"
#include "framework/modal_runner.h"
#include "framework/modal_scope.h"
#include "framework/toolkit.h"
#include "framework/win32/dialog_window.h"
#include "framework/win32/native.h"

namespace tqr417::fw {
namespace {

win32::Window OwnerWindow(CDialog* owner) {
  return owner != nullptr ? WindowHandle(*owner) : nullptr;
}

class Win32ModalRunner : public ModalRunner {
 public:
  // The system's modal dialog box: the dialog takes the window when its controls exist and
  // initialises it before the system shows it.
  int RunModal(CDialog& dialog) override {
    const DialogTemplate* dialogTemplate = dialog.Template();
    if (dialogTemplate == nullptr || dialog.Peer() != nullptr) return -1;
    win32::Window ownerWindow = OwnerWindow(dialog.WindowOwner());
    if (ownerWindow == nullptr) ownerWindow = win32::ActiveWindow();
    auto window = std::make_unique<DialogWindow>(dialog, *dialogTemplate);
    DialogWindow& box = *window;
    bool adopted = false;
    std::optional<ModalScope> running;
    box.RunBox(ownerWindow, [&] {
      adopted = dialog.AdoptWindow(std::move(window)) != FALSE;
      if (!adopted) {
        box.End(IDCANCEL);
        return;
      }
      box.SyncSystemMenu();
      running.emplace(&dialog);
    });
    if (!adopted) return -1;
    return dialog.HasEnded() ? dialog.EndCode() : IDCANCEL;
  }

  int RunDialog(CDialog& dialog) override {
    auto* window = dynamic_cast<DialogWindow*>(dialog.Peer());
    if (window == nullptr) return -1;
    if (!dialog.HasEnded()) {
      window->SyncSystemMenu();
      window->Native().RunModal();
    }
    return dialog.HasEnded() ? dialog.EndCode() : IDCANCEL;
  }

  int ShowMessage(const MessageRequest& request, CDialog* owner) override {
    return win32::ShowMessageBox(OwnerWindow(owner), request.text,
                                 request.encoding == TextEncoding::kUtf8, request.caption,
                                 request.type);
  }

  std::optional<std::string> ChooseFile(const FileRequest& request, CDialog* owner) override {
    const std::optional<CString> chosen =
        win32::ChooseFile(OwnerWindow(owner), request.open, request.defaultExt, request.initialName,
                          request.flags, request.filter);
    if (!chosen) return std::nullopt;
    return chosen->str();
  }

  UINT TrackMenu(const CMenu& menu, CDialog* owner, const ScreenPoint& globalPos) override {
    std::vector<win32::MenuItem> items;
    for (const CMenu::Item& item : menu.Items()) {
      items.push_back({(item.flags & MF_SEPARATOR) != 0, item.command, item.text});
    }
    return win32::TrackMenu(OwnerWindow(owner), items, globalPos.x, globalPos.y);
  }
};

class Win32WaitState : public toolkit::WaitState {
 public:
  explicit Win32WaitState(int modalDepth) {
    win32::BeginWaitCursor([modalDepth] { return ModalScope::Depth() <= modalDepth; });
  }
  ~Win32WaitState() override { win32::EndWaitCursor(); }
};

bool g_applicationRuns = false;

}  // namespace

namespace toolkit {

std::unique_ptr<DialogPeer> CreateDialogPeer(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                             CDialog* owner) {
  win32::Window ownerWindow = OwnerWindow(owner);
  if (ownerWindow == nullptr) ownerWindow = win32::ActiveWindow();
  auto window = std::make_unique<DialogWindow>(dialog, dialogTemplate);
  window->Create(ownerWindow);
  return window;
}

ModalRunner& ProductionRunner() {
  static Win32ModalRunner production;
  return production;
}

std::function<void()> ActivationKeeper() {
  win32::Window active = win32::ActiveWindow();
  return [active] { win32::Reactivate(active); };
}

int RunApplication(int /*argc*/, char** /*argv*/, const std::function<int()>& body) {
  win32::InitApplication();
  g_applicationRuns = true;
  const int result = body();
  g_applicationRuns = false;
  return result;
}

CString ProgramName() { return g_applicationRuns ? win32::ProgramFileBaseName() : CString(); }

bool HasIcon(int iconId) { return win32::HasIconResource(iconId); }

void PushModalCursor() { win32::PushArrowCursor(); }

void PopModalCursor() { win32::PopArrowCursor(); }

std::unique_ptr<WaitState> BeginWait(int modalDepth) {
  return std::make_unique<Win32WaitState>(modalDepth);
}

void KeepPainting() { win32::PumpMessages(); }

int DroppedInputEvents() { return win32::DroppedInput(); }

}  // namespace toolkit
}  // namespace tqr417::fw
