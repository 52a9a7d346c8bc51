#pragma once
// Modal message boxes. Every box carries the application's name as its caption.

#include "framework/c_string.h"
#include "framework/win_types.h"

// Shows `text` with the buttons and icon of `type` (MB_OK, MB_YESNO, MB_ICONHAND,
// MB_ICONEXCLAMATION, MB_ICONQUESTION, ...) over the window running modally, through the
// current modal runner. Returns the button pressed: IDOK, IDCANCEL, IDYES or IDNO.
int AfxMessageBox(const CString& text, UINT type = MB_OK);
