// While an upload holds the line, the window takes no input: a click on Exit, a key in a grid
// field and the close box, given as the user's own input during the transfer, are dropped, and
// the window keeps painting (the timer that gives the input runs during the wait).

#include <chrono>

#include "framework/wait_cursor.h"
#include "link/unit_protocol.h"
#include "resources/resource_ids.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

namespace ids = res::setup;

using TransferInputTest = SetupWindowTest;

TEST_F(TransferInputTest, WindowTakesNoInputWhileTheLineIsHeld) {
  ports_.channel.incoming = {REPLY_ACCEPTED};
  ports_.sendTime = std::chrono::milliseconds(250);
  const int droppedBefore = CWaitCursor::DroppedInputEvents();
  bool given = false;
  tqr417::fw::DialogDriver::Later(100, [&] {
    Driver().UserClick(ids::IDC_EXIT);
    Driver().UserChar(GridId(grid::kCtcss, 1), '7');
    Driver().UserCloseBox();
    given = true;
  });
  Driver().Click(ids::IDC_SEND);
  EXPECT_TRUE(given) << "the wait kept processing timers";
  Driver().Settle();
  EXPECT_GT(CWaitCursor::DroppedInputEvents(), droppedBefore);
  EXPECT_FALSE(Dlg().HasEnded());
  EXPECT_TRUE(Dlg().Peer()->IsVisible());
  EXPECT_EQ(Text(GridId(grid::kCtcss, 1)), "0");
  ASSERT_EQ(runner_.Messages().size(), 1u);
  EXPECT_EQ(runner_.Messages()[0].text, OnPort("Data Received by TQR-417 OK"));
}

}  // namespace
}  // namespace tqr417::ui::testing
