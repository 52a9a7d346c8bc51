// Scrolling the grid through the scroll bar's accessible actions (Increase, Decrease) and
// value, as Qt's accessibility interface gives them: the rows follow the clamped thumb and
// windowTop follows the rows, as with the scroll bar's own requests.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QWidget>

#include "framework/qt/qt_access.h"
#include "link/config_frame.h"
#include "resources/resource_ids.h"
#include "support/row_name.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

constexpr int kSingle = 0;
constexpr int kDual = 1;

struct AccessibleScrollCase {
  const char* description;
  int toneMode;
  int startThumb;   // where a thumb drag left the bar before the request
  UINT code;        // SB_LINEDOWN (Increase), SB_LINEUP (Decrease) or SB_THUMBPOSITION (value)
  UINT pos;         // for the value
  int expectedTop;  // thumb, windowTop and the entry in row 1 afterwards
};

class AccessibleScrollingTest : public SetupWindowTest,
                                public ::testing::WithParamInterface<AccessibleScrollCase> {
 protected:
  // Line down and up as the actions Increase and Decrease, a thumb position as a value set.
  void ScrollAccessibly(UINT code, UINT pos) {
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(
        tqr417::fw::QtWidget(Dlg().GetDlgItem(res::setup::IDC_SCROLLBAR)));
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

TEST_P(AccessibleScrollingTest, RowsFollowTheClampedThumb) {
  const AccessibleScrollCase& c = GetParam();
  if (c.toneMode == kDual) ClickDual();
  Scroll(SB_THUMBPOSITION, static_cast<UINT>(c.startThumb));
  ASSERT_EQ(Thumb(), c.startThumb);

  ScrollAccessibly(c.code, c.pos);
  ExpectGridAt(c.expectedTop);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, AccessibleScrollingTest,
    ::testing::Values(
        AccessibleScrollCase{"accessible Increase in Dual", kDual, 80, SB_LINEDOWN, 0, 81},
        AccessibleScrollCase{"accessible Decrease in Single", kSingle, 5, SB_LINEUP, 0, 4},
        AccessibleScrollCase{"accessible value in Dual", kDual, 11, SB_THUMBPOSITION, 85, 85},
        AccessibleScrollCase{"accessible value beyond Single", kSingle, 1, SB_THUMBPOSITION, 40,
                             7}),
    tqr417::test_support::RowName{});

}  // namespace
}  // namespace tqr417::ui::testing
