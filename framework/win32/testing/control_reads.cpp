#include "framework/win32/testing/control_reads.h"

namespace tqr417::fw::win32::testing {
namespace {

LRESULT Ask(HWND dialog, int controlId, UINT message, LRESULT fallback) {
  HWND control = dialog != nullptr ? GetDlgItem(dialog, controlId) : nullptr;
  return control != nullptr ? SendMessageW(control, message, 0, 0) : fallback;
}

}  // namespace

bool ButtonChecked(HWND dialog, int controlId) {
  return Ask(dialog, controlId, BM_GETCHECK, BST_UNCHECKED) == BST_CHECKED;
}

int ComboSelection(HWND dialog, int controlId) {
  const LRESULT index = Ask(dialog, controlId, CB_GETCURSEL, CB_ERR);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

int ScrollBarPos(HWND dialog, int controlId) {
  return static_cast<int>(Ask(dialog, controlId, SBM_GETPOS, 0));
}

}  // namespace tqr417::fw::win32::testing
