// Where the main window and its Qt controls stand in pixels: template 102's dialog units
// converted with the 8-point base units the Qt backend uses, at the screen's logical dpi.

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "framework/dialog_template.h"
#include "framework/qt/qt_access.h"
#include "resources/resource_ids.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

using fw::ControlKind;

// The dialog-unit rule with the 8-point base units of 6 x 13 pixels at 96 dpi.
struct PixelRule {
  double baseX;
  double baseY;
  int X(int dlu) const { return static_cast<int>(std::lround(dlu * baseX / 4.0)); }
  int Y(int dlu) const { return static_cast<int>(std::lround(dlu * baseY / 8.0)); }
};

class SetupGeometryTest : public SetupWindowTest {
 protected:
  const fw::DialogTemplate& MainTemplate() { return *Dlg().Template(); }
};

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
