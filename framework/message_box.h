#pragma once
// Modal message boxes. Every box carries the application's name as its caption.

#include <string>

#include "framework/c_string.h"
#include "framework/win_types.h"

// Shows `text` with the buttons and icon of `type` (MB_OK, MB_YESNO, MB_ICONHAND,
// MB_ICONEXCLAMATION, MB_ICONQUESTION, ...) over the window running modally, through the
// current modal runner. Returns the button pressed: IDOK, IDYES or IDNO.
int AfxMessageBox(const CString& text, UINT type = MB_OK);

// The same for a message composed in UTF-8, such as one that names a file or a device as the
// file system spells it.
int AfxMessageBoxUtf8(const std::string& text, UINT type = MB_OK);
