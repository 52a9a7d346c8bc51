#pragma once
// The accessible names of controls, as assistive technology reads them.

#include "framework/c_string.h"
#include "framework/win_types.h"

namespace tqr417::fw {

// Gives window `control` the accessible name `name` (empty: the name the system derives from
// its text): through the system's accessibility services when it has them, else by answering
// WM_GETOBJECT itself (Wine 8 has the services object, but its SetHwndPropStr returns
// E_NOTIMPL). Returns the services' HRESULT: S_OK when they took the name.
HRESULT SetAccessibleName(HWND control, const CString& name);
// The accessible name of window `control` (get_accName of its client object); empty when it
// has none.
CString AccessibleNameOf(HWND control);

}  // namespace tqr417::fw
