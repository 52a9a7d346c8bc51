// The main window's parts that Qt draws itself: the system menu opened from the keyboard
// (Windows opens its own system menu), the window's icon and the desktop entry it names.

#include <QDialog>
#include <QGuiApplication>
#include <vector>

#include "framework/qt/qt_access.h"
#include "resources/resource_ids.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

using StartupTest = SetupWindowTest;

TEST_F(StartupTest, SystemMenuOpensFromTheKeyboardAndRunsAbout) {
  runner_.ChooseMenuCommand(res::IDM_ABOUTBOX);
  runner_.OnDialog(res::IDD_ABOUTBOX, [](fw::DialogDriver& d) { d.Enter(); });
  Driver().Key(Qt::Key_Space, Qt::AltModifier);
  ASSERT_EQ(runner_.MenusOpened().size(), 1u);
  EXPECT_EQ(runner_.MenusOpened()[0].back(), res::IDM_ABOUTBOX);
  EXPECT_EQ(runner_.DialogsRun(), std::vector<int>{res::IDD_ABOUTBOX});
  EXPECT_EQ(runner_.UnexpectedModals(), 0);
  // The command's low four bits are the system's own; they do not change the choice.
  runner_.OnDialog(res::IDD_ABOUTBOX, [](fw::DialogDriver& d) { d.Esc(); });
  Dlg().OnSysCommand(res::IDM_ABOUTBOX | 0x7u, 0);
  EXPECT_EQ(runner_.DialogsRun().size(), 2u);
  EXPECT_FALSE(Dlg().HasEnded());
}

TEST_F(StartupTest, WindowCarriesTheApplicationIcon) {
  EXPECT_NE(Dlg().appIcon, 0);
  EXPECT_FALSE(tqr417::fw::QtWindow(Dlg())->windowIcon().isNull());
}

// A Wayland compositor finds the menu entry (its icon and name) by the window's app_id.
TEST_F(StartupTest, WindowNamesTheMenuEntryItBelongsTo) {
  EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "org.tqr417.Setup");
}

}  // namespace
}  // namespace tqr417::ui::testing
