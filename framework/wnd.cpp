#include "framework/wnd.h"

#include "framework/toolkit.h"

CWnd::CWnd(std::shared_ptr<tqr417::fw::ControlPeer> peer, int controlId)
    : peer_(std::move(peer)), id_(controlId) {}

BOOL CWnd::EnableWindow(BOOL enable) {
  if (!peer_) return FALSE;
  const BOOL wasDisabled = peer_->IsEnabled() ? FALSE : TRUE;
  peer_->Enable(enable != FALSE);
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return peer_ && peer_->IsEnabled() ? TRUE : FALSE; }

BOOL CWnd::IsWindowVisible() const { return peer_ && peer_->IsVisible() ? TRUE : FALSE; }

void CWnd::SetWindowText(const CString& text) {
  if (peer_) peer_->SetText(text);
}

void CWnd::GetWindowText(CString& text) const { text = GetWindowText(); }

CString CWnd::GetWindowText() const { return peer_ ? peer_->GetText() : CString(); }

void CWnd::SetFocus() {
  if (peer_) peer_->SetFocus();
}

void CWnd::SetAccessibleName(const CString& name) {
  if (peer_) peer_->SetAccessibleName(name);
}

CString CWnd::GetAccessibleName() const { return peer_ ? peer_->GetAccessibleName() : CString(); }

int CWnd::GetCheck() const { return peer_ && peer_->IsChecked() ? 1 : 0; }

void CWnd::SetCheck(int check) {
  if (peer_) peer_->SetCheck(check != 0);
}

void CWnd::SelectAllText() {
  if (peer_) peer_->SelectAllText();
}

void CWnd::LimitText(int maxChars) {
  if (peer_) peer_->LimitText(maxChars);
}

int CWnd::GetCount() const { return peer_ ? peer_->ItemCount() : 0; }

CString CWnd::GetLBText(int index) const { return peer_ ? peer_->ItemText(index) : CString(); }

void CWnd::SetCurSel(int index) {
  if (peer_) peer_->SetCurSel(index);
}
