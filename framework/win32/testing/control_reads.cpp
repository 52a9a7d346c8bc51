#include "framework/win32/testing/control_reads.h"

#include <windows.h>

namespace tqr417::fw::win32::testing {
namespace {

LRESULT Ask(void* dialog, int controlId, UINT message, LRESULT fallback) {
  HWND control = dialog != nullptr ? GetDlgItem(static_cast<HWND>(dialog), controlId) : nullptr;
  return control != nullptr ? SendMessageW(control, message, 0, 0) : fallback;
}

}  // namespace

bool ButtonChecked(void* dialog, int controlId) {
  return Ask(dialog, controlId, BM_GETCHECK, BST_UNCHECKED) == BST_CHECKED;
}

int ComboSelection(void* dialog, int controlId) {
  const LRESULT index = Ask(dialog, controlId, CB_GETCURSEL, CB_ERR);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

int ScrollBarPos(void* dialog, int controlId) {
  return static_cast<int>(Ask(dialog, controlId, SBM_GETPOS, 0));
}

}  // namespace tqr417::fw::win32::testing
