// The dialog procedure of a Win32DialogPeer's window: it makes the template's controls and
// readies them (combo box items, subclassing, accessible names) and passes the controls'
// notifications, scroll requests, system menu commands and F1 on to the dialog.

#include "framework/dialog.h"
#include "framework/template_rules.h"
#include "framework/wait_rule.h"
#include "framework/win32/control_subclass.h"
#include "framework/win32/template_builder.h"
#include "framework/win32/win32_dialog_peer.h"
#include "platform/wide_text.h"

namespace tqr417::fw {

INT_PTR CALLBACK Win32DialogPeer::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    auto* peer = reinterpret_cast<Win32DialogPeer*>(lParam);
    peer->Initialise(window);
    if (peer->box_) {
      peer->CentreOverOwner();
      peer->created_();
      // The focus the dialog layer gave while the window was hidden; the system keeps it when
      // it shows the window.
      if (peer->pendingFocus_ != nullptr && !peer->ended_) SetFocus(peer->pendingFocus_);
      peer->pendingFocus_ = nullptr;
    }
    return FALSE;  // the dialog layer gives the focus
  }
  auto* peer = reinterpret_cast<Win32DialogPeer*>(GetWindowLongPtrW(window, DWLP_USER));
  return peer != nullptr ? peer->OnMessage(message, wParam, lParam) : FALSE;
}

void Win32DialogPeer::Initialise(HWND window) {
  window_ = window;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const ControlTemplate& control = template_.controls[i];
    HWND child = CreateControl(window, control);
    controls_[i]->Attach(child);
    if (child == nullptr) continue;
    SetAccessibleName(child, controls_[i]->GivenName());
    if (IsCombo(control.kind)) {
      for (const std::string& item : control.items) {
        SendMessageW(child, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(WideFromLatin1(item).c_str()));
      }
    }
    if (ControlHook* hook = HookControl(FieldEditOf(child, control.kind))) {
      hook->typing = true;
      hook->upperCase = (control.flags & style::kUpperCase) != 0;
    }
    if (IsButton(control.kind)) {
      if (ControlHook* hook = HookControl(child)) hook->press = true;
    }
  }
}

INT_PTR Win32DialogPeer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCDESTROY:
      // The system destroys a dialog box when its run ends; its handles are gone with it.
      window_ = nullptr;
      for (const auto& control : controls_) control->Attach(nullptr);
      pendingFocus_ = nullptr;
      return FALSE;
    case WM_COMMAND:
      if (!dying_) {
        Command(static_cast<short>(LOWORD(wParam)), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      }
      return TRUE;
    case WM_VSCROLL:
      if (!dying_) VScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE && DropNow()) return TRUE;
      return SysCommand(static_cast<UINT>(wParam), lParam) ? TRUE : FALSE;
    case WM_CLOSE:
      if (!DropNow()) SysCommand(SC_CLOSE, 0);
      return TRUE;
    case WM_HELP:
      DialogPeerAccess::Help(dialog_);
      return TRUE;
    case WM_SETCURSOR:
      if (!WaitCursorShown()) return FALSE;
      toolkit::ShowWaitCursor(toolkit::WaitCursorLook::kWait);
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
      return TRUE;
    default:
      return FALSE;
  }
}

void Win32DialogPeer::Command(int controlId, UINT code, HWND from) {
  const bool hasDefault = DefaultButtonIndex(template_) >= 0;
  if (from == nullptr) {
    // Enter and Esc from the dialog manager: Enter only in a window with a default button.
    if ((controlId == IDOK && hasDefault) || controlId == IDCANCEL) {
      dialog_.SendNotify(controlId, BN_CLICKED);
    }
    return;
  }
  const ControlTemplate* control = template_.FindControl(controlId);
  if (control == nullptr || IsChild(window_, from) == FALSE) return;
  const bool combo = IsCombo(control->kind);
  if (code == EN_KILLFOCUS || (combo && code == CBN_KILLFOCUS)) {
    // Only a move to another control of this window is a focus loss the window hears of; a
    // message box or another window taking the activation is not.
    if (GetFocus() != nullptr && IsChild(window_, GetFocus()) != FALSE) {
      dialog_.SendNotify(controlId, code);
    }
  } else if (combo && code == CBN_SELCHANGE) {
    dialog_.SendNotify(controlId, CBN_SELCHANGE);  // only the user's choice: not CB_SETCURSEL
  } else if (!combo && code == BN_CLICKED) {
    if (controlId == IDOK && GetKeyState(VK_RETURN) < 0 && !hasDefault) return;
    dialog_.SendNotify(controlId, BN_CLICKED);
  }
}

void Win32DialogPeer::VScroll(UINT code, int pos, HWND bar) {
  if (bar == nullptr || IsChild(window_, bar) == FALSE) return;
  if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    if (GetScrollInfo(bar, SB_CTL, &info) != FALSE) pos = info.nTrackPos;
  }
  DialogPeerAccess::VScroll(dialog_, GetDlgCtrlID(bar), code, pos);
}

bool Win32DialogPeer::SysCommand(UINT command, LPARAM param) {
  // The system's own commands (move, size) are the system's; the stand-in's are the dialog's.
  if (!dialog_.GetSystemMenu(FALSE)->HasCommand(command & 0xFFF0u)) return false;
  dialog_.OnSysCommand(command, param);
  return true;
}

}  // namespace tqr417::fw
