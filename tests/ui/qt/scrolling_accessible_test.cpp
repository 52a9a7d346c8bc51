// Scrolling the grid through the scroll bar's accessible actions (Increase, Decrease) and
// value, as Qt's accessibility interface gives them. The requests are those of the shared
// table (../scroll_cases.h) that an assistive technology can give; the grid follows as with
// the bar's own requests, and what is this test's own is what the assistive technology reads
// back afterwards: the bar's value and the names of the cells.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QWidget>
#include <vector>

#include "framework/qt/qt_access.h"
#include "link/config_frame.h"
#include "resources/resource_ids.h"
#include "support/row_name.h"
#include "tests/ui/scroll_cases.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

// Line down and up are the actions Increase and Decrease, a thumb position is a value set;
// the other requests have no accessible form.
std::vector<ScrollCase> AccessibleCases() {
  std::vector<ScrollCase> cases;
  for (const ScrollCase& c : kScrollCases) {
    if (c.code == SB_LINEDOWN || c.code == SB_LINEUP || c.code == SB_THUMBPOSITION) {
      cases.push_back(c);
    }
  }
  return cases;
}

class AccessibleScrollingTest : public SetupWindowTest,
                                public ::testing::WithParamInterface<ScrollCase> {
 protected:
  QAccessibleInterface* Bar() {
    return QAccessible::queryAccessibleInterface(
        tqr417::fw::QtWidget(Dlg().GetDlgItem(res::setup::IDC_SCROLLBAR)));
  }

  void ScrollAccessibly(UINT code, UINT pos) {
    QAccessibleInterface* bar = Bar();
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(bar->actionInterface(), nullptr);
    ASSERT_NE(bar->valueInterface(), nullptr);
    if (code == SB_LINEDOWN)
      bar->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    if (code == SB_LINEUP)
      bar->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    if (code == SB_THUMBPOSITION) bar->valueInterface()->setCurrentValue(static_cast<int>(pos));
  }
};

TEST_P(AccessibleScrollingTest, RowsFollowTheClampedThumbAndReadBackAsShown) {
  const ScrollCase& c = GetParam();
  if (c.toneMode == kDual) ClickDual();
  Scroll(SB_THUMBPOSITION, static_cast<UINT>(c.startThumb));
  ASSERT_EQ(Thumb(), c.startThumb);

  ScrollAccessibly(c.code, c.pos);
  ExpectGridAt(c.expectedTop);
  EXPECT_EQ(Bar()->valueInterface()->currentValue().toInt(), c.expectedTop);
  EXPECT_EQ(Name(GridId(grid::kDuration, 1)), "Relay Duration (ms) " + RowLabel(1));
  EXPECT_EQ(Name(GridId(grid::kToneActive, 10)), "Tone Active " + RowLabel(10));
}

INSTANTIATE_TEST_SUITE_P(Requests, AccessibleScrollingTest, ::testing::ValuesIn(AccessibleCases()),
                         tqr417::test_support::RowName{});

}  // namespace
}  // namespace tqr417::ui::testing
