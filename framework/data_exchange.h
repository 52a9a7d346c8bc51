#pragma once
// CDataExchange: one run of a dialog's DoDataExchange list, in one direction.
//
// Loading (m_bSaveAndValidate FALSE) copies every member into its control in list order,
// without checks. Saving (TRUE) copies every control into its member, each followed at once by
// its check. The first failure shows its message (exclamation icon), moves the focus to the
// failing control with its text selected and stops the run: every later binding and check of
// the list then does nothing, so later members keep their values.

#include "framework/c_string.h"
#include "framework/win_types.h"

class CDialog;
class CWnd;

class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, BOOL saveAndValidate);

  BOOL m_bSaveAndValidate;
  CDialog* m_pDlgWnd;

  // True once a binding or check has failed; the rest of the list is skipped.
  bool Failed() const { return failed_; }
  // True while the list is still running (not failed).
  bool Active() const { return !failed_; }

  // Makes `controlId` the control that the following check refers to and returns its handle;
  // nullptr when the dialog has no such control.
  CWnd* PrepareCtrl(int controlId);
  // The same for an edit field (or a combo box's edit field): a failure selects its text.
  CWnd* PrepareEditCtrl(int controlId);
  int LastControlId() const { return lastId_; }

  // Shows `message` with the exclamation icon, gives the focus to the last prepared control
  // (selecting its text when it is an edit field) and stops the run.
  void Fail(const CString& message);

 private:
  bool failed_ = false;
  int lastId_ = 0;
  bool lastIsEdit_ = false;
};
