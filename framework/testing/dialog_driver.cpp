// The toolkit-free part of the test driver: what it reads from the dialog layer itself. The
// input (keys, clicks) is each backend's (framework/<toolkit>/testing/dialog_driver.cpp).

#include "framework/testing/dialog_driver.h"

#include "framework/dialog.h"
#include "framework/dialog_template.h"
#include "framework/toolkit.h"
#include "framework/wnd.h"

namespace tqr417::fw {

DialogDriver::DialogDriver(CDialog& dialog) : dialog_(dialog) {}

int DialogDriver::FocusedId() const {
  const DialogPeer* window = dialog_.Peer();
  const int index = window == nullptr ? -1 : window->FocusedIndex();
  return index < 0 ? 0 : dialog_.Template()->controls[static_cast<std::size_t>(index)].id;
}

CString DialogDriver::Text(int controlId) {
  CWnd* control = dialog_.GetDlgItem(controlId);
  return control == nullptr ? CString() : control->GetWindowText();
}

bool DialogDriver::Ended() const { return dialog_.HasEnded(); }

int DialogDriver::EndCode() const { return dialog_.EndCode(); }

}  // namespace tqr417::fw
