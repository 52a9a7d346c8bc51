// The Win32 part of the main window fixture: bringing the window to the front.

#include "framework/dialog.h"
#include "framework/toolkit.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {

void SetupWindowTest::Reactivate() {
  fw::DialogPeer* window = Dlg().Peer();
  ASSERT_NE(window, nullptr);
  window->Show();
  window->Activate();
  ASSERT_TRUE(window->IsVisible());
  fw::DialogDriver::Settle();
}

}  // namespace tqr417::ui::testing
