// Modal runs on Win32: the dialogs as the system's modal dialog box, with a message filter
// that drops the input a wait cursor blocks and Enter in a window without a default button.
// Also the message box, the file choosers and popup menus.

#include <optional>

#include "framework/dialog.h"
#include "framework/menu.h"
#include "framework/modal_runner.h"
#include "framework/modal_scope.h"
#include "framework/win32/control_subclass.h"
#include "framework/win32/file_chooser.h"
#include "framework/win32/template_builder.h"
#include "framework/win32/win32_dialog_peer.h"
#include "platform/wide_text.h"

namespace tqr417::fw {
namespace {

// The dialog boxes running now, innermost last, and the message filter that the system's
// dialog box loop asks about each message before it handles it.
thread_local std::vector<const Win32DialogPeer*> g_boxes;
thread_local HHOOK g_boxFilter = nullptr;

LRESULT CALLBACK FilterBoxInput(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_DIALOGBOX) {
    const MSG& message = *reinterpret_cast<const MSG*>(lParam);
    if (DropInput(message)) return TRUE;
    for (const Win32DialogPeer* box : g_boxes) {
      if (box->Handle() != nullptr && IgnoresEnter(box->Template(), box->Handle(), message)) {
        return TRUE;
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class Win32ModalRunner : public ModalRunner {
 public:
  int RunModal(CDialog& dialog) override;
  int RunDialog(CDialog& dialog) override;
  int ShowMessage(const MessageRequest& request, CDialog* owner) override;
  std::optional<std::string> ChooseFile(const FileRequest& request, CDialog* owner) override;
  UINT TrackMenu(const CMenu& menu, CDialog* owner, const ScreenPoint& globalPos) override;
};

}  // namespace

ModalRunner& toolkit::ProductionRunner() {
  static Win32ModalRunner production;
  return production;
}

void Win32DialogPeer::RunBox(HWND owner, const std::function<void()>& created) {
  if (window_ != nullptr) return;
  owner_ = owner;
  box_ = true;
  created_ = created;
  if (g_boxes.empty()) {
    g_boxFilter = SetWindowsHookExW(WH_MSGFILTER, &FilterBoxInput, nullptr, GetCurrentThreadId());
  }
  g_boxes.push_back(this);
  const std::vector<WORD> bytes = BuildDialogTemplate(template_);
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                          reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), owner_, &Procedure,
                          reinterpret_cast<LPARAM>(this));
  g_boxes.pop_back();
  if (g_boxes.empty() && g_boxFilter != nullptr) {
    UnhookWindowsHookEx(g_boxFilter);
    g_boxFilter = nullptr;
  }
  created_ = nullptr;
}

// The system's modal dialog box: the dialog takes the window when its controls exist and
// initialises it before the system shows it.
int Win32ModalRunner::RunModal(CDialog& dialog) {
  const DialogTemplate* dialogTemplate = dialog.Template();
  if (dialogTemplate == nullptr || dialog.Peer() != nullptr) return -1;
  const HWND owner = OwnerWindow(dialog.WindowOwner());
  auto window = std::make_unique<Win32DialogPeer>(dialog, *dialogTemplate);
  Win32DialogPeer& box = *window;
  bool adopted = false;
  std::optional<ModalScope> running;
  box.RunBox(owner, [&] {
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

// Only the system's dialog box runs a window modally (RunModal); a window made before its run
// (CDialog::Create) is driven by whoever made it, as the tests' scripted runs do.
int Win32ModalRunner::RunDialog(CDialog& /*dialog*/) { return -1; }

int Win32ModalRunner::ShowMessage(const MessageRequest& request, CDialog* owner) {
  const std::wstring text = request.encoding == TextEncoding::kUtf8
                                ? ShownWideFromUtf8(request.text)
                                : WideFromLatin1(request.text);
  return MessageBoxW(OwnerWindow(owner), text.c_str(),
                     WideFromLatin1(request.caption.str()).c_str(), request.type);
}

std::optional<std::string> Win32ModalRunner::ChooseFile(const FileRequest& request,
                                                        CDialog* owner) {
  return fw::ChooseFile(OwnerWindow(owner), request);
}

UINT Win32ModalRunner::TrackMenu(const CMenu& menu, CDialog* owner, const ScreenPoint& globalPos) {
  HMENU popup = CreatePopupMenu();
  if (popup == nullptr) return 0;
  AppendMenuItems(popup, menu.Items());
  const BOOL command = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN,
                                      globalPos.x, globalPos.y, 0, OwnerWindow(owner), nullptr);
  DestroyMenu(popup);
  return static_cast<UINT>(command);
}

}  // namespace tqr417::fw
