// A mouse press on a button while a field holds a value outside its range: the press moves the
// focus, whose loss answers with the range message; the message took the press, so the button
// is not left down and its release clicks nothing.

#include "resources/resource_ids.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

namespace ids = res::setup;

class RangeClickTest : public SetupWindowTest {
 protected:
  int DurationMessages() const { return MessagesContaining("30000"); }
};

TEST_F(RangeClickTest, ClickTakenByTheMessageLeavesTheButtonReleased) {
  TypeCell(grid::kDuration, 1, "30001");
  Driver().UserPress(ids::IDC_SEND);
  Driver().Settle();
  EXPECT_EQ(DurationMessages(), 1);
  EXPECT_FALSE(Driver().ButtonDown(ids::IDC_SEND));
  Driver().UserRelease(ids::IDC_SEND);
  Driver().Settle();
  EXPECT_EQ(runner_.Messages().size(), 1u) << "the click was taken: no upload ran";
  EXPECT_EQ(Driver().FocusedId(), GridId(grid::kDuration, 1));
}

}  // namespace
}  // namespace tqr417::ui::testing
