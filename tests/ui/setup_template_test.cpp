// Template 102 against the window that uses it: every control the window binds or handles
// exists with the kind the binding needs, the radio groups hold the buttons their members
// count, and the controls stand where the dialog-unit rule puts them.

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/dialog_template.h"
#include "framework/qt/qt_access.h"
#include "resources/resource_ids.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

namespace ids = res::setup;
using fw::ControlKind;

const fw::DialogTemplate& MainTemplate() {
  const fw::DialogTemplate* t = fw::FindTemplate(res::IDD_SETUP_DIALOG);
  EXPECT_NE(t, nullptr);
  static const fw::DialogTemplate empty;
  return t != nullptr ? *t : empty;
}

struct BoundControl {
  int id;
  ControlKind kind;
};

std::vector<BoundControl> BoundControls() {
  std::vector<BoundControl> bound = {
      {ids::IDC_SCROLLBAR, ControlKind::kVScrollBar},
      {ids::IDC_MON_MOMENTARY_MS, ControlKind::kEdit},
      {ids::IDC_PTT_FREQUENCY, ControlKind::kComboDropList},
      {ids::IDC_REVERT_TO_R1, ControlKind::kCheckBox},
      {ids::IDC_REPEATER_MODE, ControlKind::kCheckBox},
      {ids::IDC_LINE_DTMF_DISABLE, ControlKind::kCheckBox},
      {ids::IDC_AUDIO_LOOPBACK, ControlKind::kCheckBox},
      {ids::IDC_PTT_TONE_ONLY, ControlKind::kCheckBox},
      {ids::IDC_ERROR_BEEPS, ControlKind::kCheckBox},
  };
  for (int button : {ids::IDC_SEND, ids::IDC_RECV, ids::IDC_LOAD, ids::IDC_SAVE, ids::IDC_EXIT,
                     ids::IDC_COM_PORT, ids::IDC_SET_GAINS, ids::IDC_MORSE, ids::IDC_TX_FILTERS,
                     ids::IDC_DUZO, ids::IDC_DIG5, ids::IDC_DIG4}) {
    bound.push_back({button, ControlKind::kPushButton});
  }
  const std::vector<std::pair<const GridColumn*, ControlKind>> columns = {
      {&grid::kLabel, ControlKind::kEdit},
      {&grid::kToneActive, ControlKind::kCheckBox},
      {&grid::kRelay, ControlKind::kComboDropDown},
      {&grid::kGroup, ControlKind::kComboDropDown},
      {&grid::kDuration, ControlKind::kEdit},
      {&grid::kDigitalOutput, ControlKind::kEdit},
      {&grid::kCtcss, ControlKind::kEdit},
      {&grid::kUseDefaultCtcss, ControlKind::kCheckBox}};
  for (const auto& [column, kind] : columns) {
    for (int row = 1; row <= kGridRows; ++row) bound.push_back({GridId(*column, row), kind});
  }
  return bound;
}

TEST(SetupTemplate, EveryBoundOrHandledControlExistsWithItsKind) {
  for (const BoundControl& b : BoundControls()) {
    const fw::ControlTemplate* control = MainTemplate().FindControl(b.id);
    ASSERT_NE(control, nullptr) << b.id;
    EXPECT_EQ(control->kind, b.kind) << b.id;
  }
}

TEST(SetupTemplate, EveryControlIdIsUsedOnce) {
  std::vector<int> seen;
  for (const fw::ControlTemplate& control : MainTemplate().controls) {
    if (control.id == fw::kStatic) continue;
    EXPECT_EQ(std::count(seen.begin(), seen.end(), control.id), 0) << control.id;
    seen.push_back(control.id);
  }
  EXPECT_EQ(seen.size(), BoundControls().size() + 2 + 2 + 3 + 3);  // and the radio buttons
}

// The radio buttons of the group that starts at `first`, in template order.
std::vector<int> RadioGroup(int first) {
  const auto& controls = MainTemplate().controls;
  std::vector<int> group;
  for (auto i = static_cast<std::size_t>(MainTemplate().IndexOf(first)); i < controls.size(); ++i) {
    if (!group.empty() && (controls[i].flags & fw::style::kGroup) != 0) break;
    if (controls[i].kind == ControlKind::kRadioButton) group.push_back(controls[i].id);
  }
  return group;
}

TEST(SetupTemplate, RadioGroupsHoldTheirButtonsInIndexOrder) {
  EXPECT_EQ(RadioGroup(ids::IDC_SINGLE), (std::vector<int>{ids::IDC_SINGLE, ids::IDC_DUAL}));
  EXPECT_EQ(RadioGroup(ids::IDC_CTCSS_PTT_ONLY),
            (std::vector<int>{ids::IDC_CTCSS_PTT_ONLY, ids::IDC_CTCSS_ALWAYS_ON}));
  EXPECT_EQ(RadioGroup(ids::IDC_PTT_NO_RELAYS),
            (std::vector<int>{ids::IDC_PTT_NO_RELAYS, ids::IDC_PTT_F1, ids::IDC_PTT_F2}));
  EXPECT_EQ(RadioGroup(ids::IDC_MON_RESET_ON_PTT),
            (std::vector<int>{ids::IDC_MON_RESET_ON_PTT, ids::IDC_MON_ALWAYS_EXCEPT_PTT,
                              ids::IDC_MON_MOMENTARY}));
}

TEST(SetupTemplate, HasNoDefaultButtonSoEnterPressesNothing) {
  for (const fw::ControlTemplate& control : MainTemplate().controls) {
    EXPECT_NE(control.kind, ControlKind::kDefPushButton) << control.caption;
  }
}

// ---- Geometry in pixels ----------------------------------------------------------------

// The dialog-unit rule with the 8-point base units of 6 x 13 pixels at 96 dpi.
struct PixelRule {
  double baseX;
  double baseY;
  int X(int dlu) const { return static_cast<int>(std::lround(dlu * baseX / 4.0)); }
  int Y(int dlu) const { return static_cast<int>(std::lround(dlu * baseY / 8.0)); }
};

using SetupGeometryTest = SetupWindowTest;

TEST_F(SetupGeometryTest, WindowAndControlsStandWhereTheirDialogUnitsSay) {
  const double dpi = QGuiApplication::primaryScreen() != nullptr
                         ? QGuiApplication::primaryScreen()->logicalDotsPerInch()
                         : 96.0;
  const PixelRule px{6.0 * dpi / 96.0, 13.0 * dpi / 96.0};
  const QWidget* window = tqr417::fw::QtWindow(Dlg());
  EXPECT_EQ(window->width(), px.X(MainTemplate().width));
  EXPECT_EQ(window->height(), px.Y(MainTemplate().height));
  EXPECT_EQ(Dlg().GetWindowText(), "TQR-417 Configuration Application");

  for (const fw::ControlTemplate& c : MainTemplate().controls) {
    if (c.id == fw::kStatic) continue;
    const QWidget* widget = tqr417::fw::QtWidget(Dlg().GetDlgItem(c.id));
    ASSERT_NE(widget, nullptr) << c.id;
    const QRect g = widget->geometry();
    EXPECT_EQ(g.x(), px.X(c.x)) << c.id;
    EXPECT_EQ(g.y(), px.Y(c.y)) << c.id;
    EXPECT_EQ(g.width(), px.X(c.width)) << c.id;
    const bool combo =
        c.kind == ControlKind::kComboDropDown || c.kind == ControlKind::kComboDropList;
    if (!combo) {
      EXPECT_EQ(g.height(), px.Y(c.height)) << c.id;
    }
  }
}

TEST_F(SetupGeometryTest, GridRowsStandFourteenUnitsApart) {
  const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
  const PixelRule px{6.0 * dpi / 96.0, 13.0 * dpi / 96.0};
  for (int row = 1; row <= kGridRows; ++row) {
    const int fieldY = px.Y(84 + 14 * (row - 1));
    EXPECT_EQ(tqr417::fw::QtWidget(Dlg().GetDlgItem(GridId(grid::kDuration, row)))->y(), fieldY)
        << row;
    EXPECT_EQ(tqr417::fw::QtWidget(Dlg().GetDlgItem(GridId(grid::kRelay, row)))->y(), fieldY)
        << row;
    EXPECT_EQ(tqr417::fw::QtWidget(Dlg().GetDlgItem(GridId(grid::kToneActive, row)))->y(),
              px.Y(85 + 14 * (row - 1)))
        << row;
  }
}

}  // namespace
}  // namespace tqr417::ui::testing
