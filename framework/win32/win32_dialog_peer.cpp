#include "framework/win32/win32_dialog_peer.h"

#include <algorithm>
#include <utility>

#include "framework/dialog.h"
#include "framework/template_rules.h"
#include "framework/win32/control_subclass.h"
#include "framework/win32/template_builder.h"
#include "platform/wide_text.h"

namespace tqr417::fw {

Win32DialogPeer::Win32DialogPeer(CDialog& dialog, const DialogTemplate& dialogTemplate)
    : dialog_(dialog), template_(dialogTemplate) {
  for (std::size_t index = 0; index < dialogTemplate.controls.size(); ++index) {
    controls_.push_back(std::make_shared<Win32ControlPeer>(
        *this, dialogTemplate.controls[index],
        CString(DefaultAccessibleName(dialogTemplate, static_cast<int>(index)))));
  }
}

Win32DialogPeer::~Win32DialogPeer() {
  for (const auto& control : controls_) control->Detach();
  dying_ = true;
  if (window_ != nullptr) {
    // The owner gets the activation back before this window goes.
    if (owner_ != nullptr && IsWindowVisible(window_)) SetActiveWindow(owner_);
    SetWindowLongPtrW(window_, DWLP_USER, 0);
    DestroyWindow(window_);
  }
}

void Win32DialogPeer::Create(HWND owner) {
  if (window_ != nullptr) return;
  owner_ = owner;
  const std::vector<WORD> bytes = BuildDialogTemplate(template_);
  CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                             reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), owner_, &Procedure,
                             reinterpret_cast<LPARAM>(this));
}

void Win32DialogPeer::Focus(HWND control) {
  if (control == nullptr) return;
  if (!IsWindowVisible(window_)) {
    pendingFocus_ = control;
    return;
  }
  pendingFocus_ = nullptr;
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

std::shared_ptr<ControlPeer> Win32DialogPeer::Control(int index) const {
  return index >= 0 && index < static_cast<int>(controls_.size())
             ? controls_[static_cast<std::size_t>(index)]
             : nullptr;
}

int Win32DialogPeer::FocusedIndex() const {
  HWND control = pendingFocus_ != nullptr ? pendingFocus_ : GetFocus();
  if (window_ == nullptr || control == nullptr || IsChild(window_, control) == FALSE) return -1;
  // The edit field inside a combo box belongs to the combo box.
  while (GetParent(control) != window_) control = GetParent(control);
  return template_.IndexOf(GetDlgCtrlID(control));
}

void Win32DialogPeer::SetTitle(const CString& caption) {
  if (window_ != nullptr) SetWindowTextW(window_, WideFromLatin1(caption.str()).c_str());
}

CString Win32DialogPeer::GetTitle() const {
  return window_ != nullptr ? Latin1FromWide(WindowTextOf(window_)) : CString();
}

void Win32DialogPeer::SetIcon(IconId icon) {
  // The big and the small icon of the resource, both from one call. Both are the system's
  // standard sizes, so the system keeps one shared copy of each (LR_SHARED), for every window.
  if (window_ == nullptr || icon == 0) return;
  const std::pair<WPARAM, int> sizes[] = {{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}};
  for (const auto& [which, metric] : sizes) {
    const int side = GetSystemMetrics(metric);
    if (HANDLE loaded = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon), IMAGE_ICON,
                                   side, side, LR_SHARED)) {
      SendMessageW(window_, WM_SETICON, which, reinterpret_cast<LPARAM>(loaded));
    }
  }
}

void Win32DialogPeer::End(int /*result*/) {
  ended_ = true;
  // Only a dialog box has a run to end; the dialog layer keeps the end code.
  if (box_ && window_ != nullptr) EndDialog(window_, IDOK);
}

void Win32DialogPeer::Show() {
  SyncSystemMenu();
  if (window_ == nullptr) return;
  ShowWindow(window_, SW_SHOW);
  if (pendingFocus_ != nullptr) Focus(pendingFocus_);
}

void Win32DialogPeer::Hide() {
  if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
}

bool Win32DialogPeer::IsVisible() const {
  return window_ != nullptr && IsWindowVisible(window_) != FALSE;
}

void Win32DialogPeer::Activate() {
  if (window_ == nullptr) return;
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  toolkit::KeepPainting();
}

void Win32DialogPeer::SyncSystemMenu() {
  const CMenu* menu = dialog_.GetSystemMenu(FALSE);
  HMENU system = window_ != nullptr ? GetSystemMenu(window_, FALSE) : nullptr;
  if (menu == nullptr || system == nullptr) return;
  AppendMenuItems(system, menu->Items(), syncedMenuItems_);
  syncedMenuItems_ = std::max(syncedMenuItems_, menu->Items().size());
}

void Win32DialogPeer::CentreOverOwner() {
  RECT own{};
  RECT over{};
  GetWindowRect(window_, &own);
  if (owner_ == nullptr || !IsWindowVisible(owner_) || GetWindowRect(owner_, &over) == FALSE) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
  }
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  SetWindowPos(window_, nullptr, over.left + (over.right - over.left - width) / 2,
               over.top + (over.bottom - over.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND OwnerWindow(CDialog* owner) {
  HWND window = owner != nullptr ? WindowHandle(*owner) : nullptr;
  return window != nullptr ? window : GetActiveWindow();
}

void AppendMenuItems(HMENU menu, const std::vector<CMenu::Item>& items, std::size_t from) {
  for (std::size_t i = from; i < items.size(); ++i) {
    if ((items[i].flags & MF_SEPARATOR) != 0) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu, MF_STRING, items[i].command, WideFromLatin1(items[i].text.str()).c_str());
    }
  }
}

HWND WindowHandle(const CDialog& dialog) {
  auto* window = dynamic_cast<Win32DialogPeer*>(dialog.Peer());
  return window != nullptr ? window->Handle() : nullptr;
}

std::wstring WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

}  // namespace tqr417::fw
