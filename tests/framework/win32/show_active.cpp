// ShowActive for Win32.

#include "framework/dialog.h"
#include "framework/testing/dialog_driver.h"
#include "framework/toolkit.h"
#include "tests/framework/test_dialogs.h"

namespace tqr417::fw::test {

void ShowActive(CDialog& dialog) {
  if (dialog.Peer() == nullptr) dialog.Create();
  if (DialogPeer* window = dialog.Peer()) {
    window->Show();
    window->Activate();
  }
  DialogDriver::Settle();
}

}  // namespace tqr417::fw::test
