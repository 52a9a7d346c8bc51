#include "framework/data_exchange.h"

#include "framework/dialog.h"
#include "framework/message_box.h"
#include "framework/wnd.h"

CDataExchange::CDataExchange(CDialog* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

CWnd* CDataExchange::PrepareCtrl(int controlId) {
  lastId_ = controlId;
  lastIsEdit_ = false;
  return m_pDlgWnd->GetDlgItem(controlId);
}

CWnd* CDataExchange::PrepareEditCtrl(int controlId) {
  CWnd* control = PrepareCtrl(controlId);
  lastIsEdit_ = true;
  return control;
}

void CDataExchange::Fail(const CString& message) {
  if (failed_) return;
  failed_ = true;
  // The dialog counts as exchanging until UpdateData returns, so the focus changes caused by
  // the message box and by the move below reach no handler.
  AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
  CWnd* control = m_pDlgWnd->GetDlgItem(lastId_);
  if (control == nullptr) return;
  control->SetFocus();
  if (lastIsEdit_) control->SelectAllText();
}
