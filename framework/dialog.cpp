#include "framework/dialog.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QScrollBar>

#include "framework/data_exchange.h"
#include "framework/dialog_window.h"
#include "framework/modal_runner.h"
#include "framework/modal_scope.h"
#include "framework/scroll_bar.h"
#include "resources/dialog_template.h"

CDialog::CDialog(int templateId, CDialog* parent)
    : templateId_(templateId), template_(tqr417::res::FindTemplate(templateId)), parent_(parent) {
  ResetSystemMenu();
}

CDialog::~CDialog() { DestroyWindow(); }

QDialog* CDialog::Window() const { return window_.data(); }

int CDialog::DoModal() {
  if (template_ == nullptr || !window_.isNull()) return -1;
  if (!Create()) return -1;
  int code = -1;
  {
    tqr417::fw::ModalScope running(this);
    code = tqr417::fw::CurrentModalRunner().RunDialog(*this);
  }
  DestroyWindow();
  return code;
}

BOOL CDialog::Create() {
  if (template_ == nullptr || !window_.isNull()) return FALSE;
  ended_ = false;
  endCode_ = 0;
  attachedBars_.clear();
  plainBars_.clear();
  controls_.clear();
  ResetSystemMenu();

  QWidget* parentWidget = parent_ != nullptr ? parent_->Window() : tqr417::fw::ModalOwner();
  window_ = new tqr417::fw::DialogWindow(*this, *template_, parentWidget);
  for (int i = 0; i < window_->ControlCount(); ++i) {
    const int id = template_->controls[static_cast<std::size_t>(i)].id;
    if (id == tqr417::res::kStatic || controls_.count(id) != 0) continue;
    controls_.emplace(id, std::make_unique<CWnd>(window_->ControlAt(i), id));
  }
  for (const auto& [id, name] : accessibleNames_) {
    if (CWnd* control = GetDlgItem(id)) control->SetAccessibleName(name);
  }
  if (!icon_.isNull()) window_->setWindowIcon(icon_);
  if (OnInitDialog() != FALSE) FocusFirstControl();
  return TRUE;
}

void CDialog::DestroyWindow() {
  for (auto& [id, bar] : plainBars_) bar->Attach(nullptr);
  delete window_.data();
  window_ = nullptr;
  controls_.clear();
}

void CDialog::EndDialog(int result) {
  ended_ = true;
  endCode_ = result;
  if (!window_.isNull()) window_->done(result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  ++exchangeDepth_;
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  --exchangeDepth_;
  return exchange.Failed() ? FALSE : TRUE;
}

CWnd* CDialog::GetDlgItem(int controlId) {
  if (window_.isNull()) return nullptr;
  const auto found = controls_.find(controlId);
  return found == controls_.end() ? nullptr : found->second.get();
}

void CDialog::SetAccessibleName(int controlId, const CString& name) {
  accessibleNames_[controlId] = name;
  if (CWnd* control = GetDlgItem(controlId)) control->SetAccessibleName(name);
}

void CDialog::SetWindowText(const CString& caption) {
  if (!window_.isNull()) window_->setWindowTitle(caption.ToQString());
}

CString CDialog::GetWindowText() const {
  return window_.isNull() ? CString() : CString::FromQString(window_->windowTitle());
}

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

void CDialog::OpenSystemMenu() {
  const QPoint corner = window_.isNull() ? QPoint() : window_->mapToGlobal(QPoint(0, 0));
  OpenSystemMenuAt(corner);
}

void CDialog::OpenSystemMenuAt(const QPoint& globalPos) {
  if (IsExchanging()) return;
  UINT command = 0;
  {
    tqr417::fw::ModalScope menu;
    command = tqr417::fw::CurrentModalRunner().TrackMenu(systemMenu_, Window(), globalPos);
  }
  if (command != 0) OnSysCommand(command, 0);
}

void CDialog::SetIcon(const HICON& icon, BOOL /*bigIcon*/) {
  icon_ = icon;
  if (!window_.isNull()) window_->setWindowIcon(icon);
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
  auto* bar = control == nullptr ? nullptr : qobject_cast<QScrollBar*>(control->Widget());
  if (bar == nullptr) return;
  if (member.Control() != bar) member.Attach(bar);
  attachedBars_[controlId] = &member;
}

CScrollBar* CDialog::ScrollBarFor(int controlId) {
  const auto attached = attachedBars_.find(controlId);
  if (attached != attachedBars_.end()) return attached->second;
  auto& plain = plainBars_[controlId];
  if (!plain) plain = std::make_unique<CScrollBar>();
  CWnd* control = GetDlgItem(controlId);
  auto* bar = control == nullptr ? nullptr : qobject_cast<QScrollBar*>(control->Widget());
  if (plain->Control() != bar) plain->Attach(bar);
  return plain.get();
}

void CDialog::FocusFirstControl() {
  if (window_.isNull()) return;
  QWidget* fallback = nullptr;
  for (int i = 0; i < window_->ControlCount(); ++i) {
    QWidget* widget = window_->ControlAt(i);
    if (!widget->isEnabled() || !widget->isVisibleTo(window_.data())) continue;
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
      widget->setFocus(Qt::TabFocusReason);
      return;
    }
    if (fallback == nullptr) fallback = widget;
  }
  if (fallback != nullptr) fallback->setFocus(Qt::OtherFocusReason);
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
