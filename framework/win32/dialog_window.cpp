#include "framework/win32/dialog_window.h"

#include "framework/dialog.h"
#include "framework/template_rules.h"

namespace tqr417::fw {

// One control of a DialogWindow, addressed by template index; inert once the window is gone.
class Win32Control : public ControlPeer {
 public:
  Win32Control(win32::NativeDialog& window, int index, CString accessibleName)
      : window_(&window), index_(index), accessibleName_(std::move(accessibleName)) {}

  void Detach() { window_ = nullptr; }

  void Enable(bool enable) override {
    if (window_) window_->Enable(index_, enable);
  }
  bool IsEnabled() const override { return window_ && window_->IsEnabled(index_); }
  bool IsVisible() const override { return window_ && window_->IsVisible(index_); }
  void SetText(const CString& text) override {
    if (window_) window_->SetText(index_, text);
  }
  CString GetText() const override { return window_ ? window_->GetText(index_) : CString(); }
  void SetFocus() override {
    if (window_) window_->FocusControl(index_);
  }
  void SetAccessibleName(const CString& name) override {
    accessibleName_ = name;
    if (window_) window_->SetAccessibleName(index_, name);
  }
  // What assistive technology reads from the control while it exists. A control given no
  // name has none of ours (the system may guess one from the text beside it).
  CString GetAccessibleName() const override {
    if (accessibleName_.IsEmpty() || !window_ || window_->ControlHandle(index_) == nullptr) {
      return accessibleName_;
    }
    return win32::AccessibleNameOf(window_->ControlHandle(index_));
  }
  const CString& GivenName() const { return accessibleName_; }
  void SetCheck(bool checked) override {
    if (window_) window_->SetCheck(index_, checked);
  }
  bool IsChecked() const override { return window_ && window_->IsChecked(index_); }
  void SelectAllText() override {
    if (window_) window_->SelectAllText(index_);
  }
  void LimitText(int maxChars) override {
    if (window_) window_->LimitText(index_, maxChars);
  }
  int ItemCount() const override { return window_ ? window_->ItemCount(index_) : 0; }
  CString ItemText(int index) const override {
    return window_ ? window_->ItemText(index_, index) : CString();
  }
  void SetCurSel(int index) override {
    if (window_) window_->SetCurSel(index_, index);
  }
  void SetScrollRange(int minPos, int maxPos) override {
    if (window_) window_->SetScrollRange(index_, minPos, maxPos);
  }
  void GetScrollRange(int& minPos, int& maxPos) const override {
    minPos = maxPos = 0;
    if (window_) window_->GetScrollRange(index_, minPos, maxPos);
  }
  void SetScrollPos(int pos) override {
    if (window_) window_->SetScrollPos(index_, pos);
  }
  int GetScrollPos() const override { return window_ ? window_->GetScrollPos(index_) : 0; }

 private:
  win32::NativeDialog* window_;
  int index_;
  CString accessibleName_;
};

DialogWindow::DialogWindow(CDialog& owner, const DialogTemplate& dialogTemplate)
    : owner_(owner), template_(dialogTemplate), native_(*this, dialogTemplate) {
  const int count = static_cast<int>(dialogTemplate.controls.size());
  for (int index = 0; index < count; ++index) {
    controls_.push_back(std::make_shared<Win32Control>(
        native_, index, CString(DefaultAccessibleName(dialogTemplate, index))));
  }
}

void DialogWindow::Create(win32::Window ownerWindow) {
  native_.Create(ownerWindow);
  NameControls();
}

void DialogWindow::RunBox(win32::Window ownerWindow, const std::function<void()>& created) {
  native_.RunBox(ownerWindow, [this, &created] {
    NameControls();
    created();
  });
}

void DialogWindow::NameControls() {
  for (std::size_t index = 0; index < controls_.size(); ++index) {
    native_.SetAccessibleName(static_cast<int>(index), controls_[index]->GivenName());
  }
}

DialogWindow::~DialogWindow() {
  for (const auto& control : controls_) control->Detach();
}

std::shared_ptr<ControlPeer> DialogWindow::Control(int index) const {
  return index >= 0 && index < static_cast<int>(controls_.size())
             ? controls_[static_cast<std::size_t>(index)]
             : nullptr;
}

void DialogWindow::SetIcon(HICON icon) {
  if (!icon.IsNull()) native_.SetIcon(icon.resourceId);
}

ScreenPoint DialogWindow::Corner() const {
  ScreenPoint corner;
  native_.Corner(corner.x, corner.y);
  return corner;
}

void DialogWindow::End(int /*result*/) { native_.End(); }

void DialogWindow::Show() {
  SyncSystemMenu();
  native_.Show();
}

void DialogWindow::SyncSystemMenu() {
  const CMenu* menu = owner_.GetSystemMenu(FALSE);
  if (menu == nullptr) return;
  const auto& items = menu->Items();
  for (; syncedMenuItems_ < items.size(); ++syncedMenuItems_) {
    const CMenu::Item& item = items[syncedMenuItems_];
    native_.AppendSystemMenuItem((item.flags & MF_SEPARATOR) != 0, item.command, item.text);
  }
}

void DialogWindow::Command(int controlId, unsigned code) { owner_.SendNotify(controlId, code); }

void DialogWindow::VScroll(int controlId, unsigned code, int pos) {
  owner_.SendVScroll(controlId, code, pos);
}

bool DialogWindow::SysCommand(unsigned command, std::intptr_t param) {
  if ((command & 0xFFF0u) == SC_CLOSE) {
    owner_.OnSysCommand(command, param);
    return true;
  }
  const CMenu* menu = owner_.GetSystemMenu(FALSE);
  if (menu == nullptr) return false;
  for (const CMenu::Item& item : menu->Items()) {
    if ((item.flags & MF_SEPARATOR) == 0 && item.command == (command & 0xFFF0u)) {
      owner_.OnSysCommand(command, param);
      return true;
    }
  }
  return false;
}

void DialogWindow::Help() {
  constexpr DWORD kDialogHelpBase = 0x20000;
  constexpr UINT kHelpContext = 1;
  owner_.WinHelp(kDialogHelpBase + static_cast<DWORD>(template_.id), kHelpContext);
}

win32::Window WindowHandle(const CDialog& dialog) {
  auto* window = dynamic_cast<DialogWindow*>(dialog.Peer());
  return window != nullptr ? window->Native().Handle() : nullptr;
}

}  // namespace tqr417::fw
