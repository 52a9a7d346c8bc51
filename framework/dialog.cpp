#include "framework/dialog.h"

#include "framework/data_exchange.h"
#include "framework/dialog_template.h"
#include "framework/modal_runner.h"
#include "framework/modal_scope.h"
#include "framework/scroll_bar.h"
#include "framework/template_rules.h"
#include "framework/toolkit.h"

CDialog::CDialog(int templateId, CDialog* parent)
    : template_(tqr417::fw::FindTemplate(templateId)), parent_(parent) {
  ResetSystemMenu();
}

CDialog::~CDialog() { DestroyWindow(); }

int CDialog::DoModal() {
  if (template_ == nullptr || window_) return -1;
  const int code = tqr417::fw::CurrentModalRunner().RunModal(*this);
  DestroyWindow();
  return code;
}

BOOL CDialog::Create() {
  if (template_ == nullptr || window_) return FALSE;
  auto window = tqr417::fw::toolkit::CreateDialogPeer(*this, *template_, WindowOwner());
  return AdoptWindow(std::move(window));
}

CDialog* CDialog::WindowOwner() const {
  return parent_ != nullptr ? parent_ : tqr417::fw::InnermostRunningDialog();
}

BOOL CDialog::AdoptWindow(std::unique_ptr<tqr417::fw::DialogPeer>&& window) {
  if (template_ == nullptr || window_ || !window) return FALSE;
  ended_ = false;
  endCode_ = 0;
  attachedBars_.clear();
  plainBars_.clear();
  controls_.clear();
  ResetSystemMenu();

  window_ = std::move(window);
  const auto& controls = template_->controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const int id = controls[i].id;
    if (id == tqr417::fw::kStatic || controls_.count(id) != 0) continue;
    controls_.emplace(id, std::make_unique<CWnd>(window_->Control(static_cast<int>(i)), id));
  }
  for (const auto& [id, name] : accessibleNames_) {
    if (CWnd* control = GetDlgItem(id)) control->SetAccessibleName(name);
  }
  if (icon_ != 0) window_->SetIcon(icon_);
  if (OnInitDialog() != FALSE) FocusFirstControl();
  return TRUE;
}

void CDialog::DestroyWindow() {
  // The handles go first, so scroll bar members see their control gone and keep its values.
  controls_.clear();
  window_.reset();
}

void CDialog::EndDialog(int result) {
  ended_ = true;
  endCode_ = result;
  if (window_) window_->End(result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  ++exchangeDepth_;
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  --exchangeDepth_;
  return exchange.Failed() ? FALSE : TRUE;
}

CWnd* CDialog::GetDlgItem(int controlId) {
  if (!window_) return nullptr;
  const auto found = controls_.find(controlId);
  return found == controls_.end() ? nullptr : found->second.get();
}

void CDialog::SetAccessibleName(int controlId, const CString& name) {
  accessibleNames_[controlId] = name;
  if (CWnd* control = GetDlgItem(controlId)) control->SetAccessibleName(name);
}

void CDialog::SetWindowText(const CString& caption) {
  if (window_) window_->SetTitle(caption);
}

CString CDialog::GetWindowText() const { return window_ ? window_->GetTitle() : CString(); }

CMenu* CDialog::GetSystemMenu(BOOL revert) {
  if (revert != FALSE) {
    ResetSystemMenu();
    return nullptr;
  }
  return &systemMenu_;
}

void CDialog::ResetSystemMenu() {
  systemMenu_ = CMenu();
  systemMenu_.AppendMenu(MF_STRING, SC_CLOSE, "&Close");
}

void CDialog::OpenSystemMenuAt(const tqr417::fw::ScreenPoint& globalPos) {
  if (IsExchanging()) return;
  UINT command = 0;
  {
    tqr417::fw::ModalScope menu;
    command = tqr417::fw::CurrentModalRunner().TrackMenu(systemMenu_, this, globalPos);
  }
  if (command != 0) OnSysCommand(command, 0);
}

void CDialog::SetIcon(tqr417::fw::IconId icon, BOOL /*bigIcon*/) {
  // The window shows one icon in every size: the same icon set as its big and its small one
  // reaches the window once.
  const bool shown = window_ && icon == icon_;
  icon_ = icon;
  if (window_ && !shown) window_->SetIcon(icon);
}

void CDialog::AddHandler(int controlId, UINT notification, Handler handler) {
  handlers_[{controlId, notification}] = std::move(handler);
}

BOOL CDialog::SendNotify(int controlId, UINT notification) {
  if (IsExchanging()) return FALSE;
  const auto found = handlers_.find({controlId, notification});
  if (found != handlers_.end()) {
    const Handler handler = found->second;  // the handler may replace its own entry
    handler();
    return TRUE;
  }
  if (notification == BN_CLICKED && controlId == IDOK) {
    OnOK();
    return TRUE;
  }
  if (notification == BN_CLICKED && controlId == IDCANCEL) {
    OnCancel();
    return TRUE;
  }
  return FALSE;
}

void CDialog::SendVScroll(int controlId, UINT code, int pos) {
  if (IsExchanging()) return;
  OnVScroll(code, static_cast<UINT>(pos), ScrollBarFor(controlId));
}

void CDialog::AttachControl(int controlId, CScrollBar& member) {
  CWnd* control = GetDlgItem(controlId);
  const tqr417::fw::ControlTemplate* item =
      template_ == nullptr ? nullptr : template_->FindControl(controlId);
  if (control == nullptr || item == nullptr || item->kind != tqr417::fw::ControlKind::kVScrollBar) {
    return;
  }
  if (member.Control() != control->SharedPeer()) member.Attach(control->SharedPeer());
  attachedBars_[controlId] = &member;
}

CScrollBar* CDialog::ScrollBarFor(int controlId) {
  const auto attached = attachedBars_.find(controlId);
  if (attached != attachedBars_.end()) return attached->second;
  auto& plain = plainBars_[controlId];
  if (!plain) plain = std::make_unique<CScrollBar>();
  CWnd* control = GetDlgItem(controlId);
  if (control != nullptr && plain->Control() != control->SharedPeer()) {
    plain->Attach(control->SharedPeer());
  }
  return plain.get();
}

int CDialog::GetRadioGroupIndex(int firstId) {
  if (template_ == nullptr) return -1;
  const std::vector<int> group =
      tqr417::fw::RadioGroupFrom(*template_, template_->IndexOf(firstId));
  for (std::size_t k = 0; k < group.size(); ++k) {
    CWnd* button = GetDlgItem(template_->controls[static_cast<std::size_t>(group[k])].id);
    if (button != nullptr && button->GetCheck() != 0) return static_cast<int>(k);
  }
  return -1;
}

void CDialog::SetRadioGroupIndex(int firstId, int index) {
  if (template_ == nullptr) return;
  const std::vector<int> group =
      tqr417::fw::RadioGroupFrom(*template_, template_->IndexOf(firstId));
  for (std::size_t k = 0; k < group.size(); ++k) {
    CWnd* button = GetDlgItem(template_->controls[static_cast<std::size_t>(group[k])].id);
    if (button != nullptr) button->SetCheck(static_cast<int>(k) == index ? 1 : 0);
  }
}

void CDialog::FocusFirstControl() {
  // The first enabled, shown control that takes the focus, one reached with Tab before others.
  if (!window_) return;
  std::shared_ptr<tqr417::fw::ControlPeer> first;
  for (std::size_t i = 0; i < template_->controls.size(); ++i) {
    const tqr417::fw::ControlTemplate& made = template_->controls[i];
    const auto control = window_->Control(static_cast<int>(i));
    if (!tqr417::fw::TakesFocus(made.kind) || !control || !control->IsEnabled() ||
        !control->IsVisible()) {
      continue;
    }
    if ((made.flags & tqr417::fw::style::kTabStop) != 0) return control->SetFocus();
    if (!first) first = control;
  }
  if (first) first->SetFocus();
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(TRUE) != FALSE) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnSysCommand(UINT command, LPARAM /*param*/) {
  if ((command & 0xFFF0u) == SC_CLOSE) SendNotify(IDCANCEL, BN_CLICKED);
}

void CDialog::OnVScroll(UINT /*code*/, UINT /*pos*/, CScrollBar* /*scrollBar*/) {}

void CDialog::WinHelp(DWORD /*data*/, UINT /*command*/) {}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

void tqr417::fw::DialogPeerAccess::Help(CDialog& dialog) {
  constexpr DWORD kDialogHelpBase = 0x20000;
  constexpr UINT kHelpContext = 1;
  // Only a window asks for help, and a dialog has a window only when its template exists.
  dialog.WinHelp(kDialogHelpBase + static_cast<DWORD>(dialog.template_->id), kHelpContext);
}
