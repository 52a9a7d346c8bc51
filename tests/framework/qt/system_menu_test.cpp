// The Qt stand-in for the system menu: Alt+Space and a right click on the window's background
// open the dialog's own menu through the modal runner, appended items included.

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDialog>

#include "framework/qt/qt_access.h"
#include "framework/testing/scripted_runner.h"
#include "tests/framework/test_dialogs.h"

namespace {

namespace test = tqr417::fw::test;
using tqr417::fw::DialogDriver;

class QtSystemMenuTest : public ::testing::Test {
 protected:
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use{runner};
  test::FormDlg dialog;
};

constexpr UINT kExtraCommand = 16;

TEST_F(QtSystemMenuTest, SystemMenuOpensWithAltSpaceAndCarriesAppendedItems) {
  runner.OnDialog(test::kFormTemplate, [](DialogDriver& d) {
    CMenu* menu = d.Dialog().GetSystemMenu(FALSE);
    menu->AppendMenu(MF_SEPARATOR);
    menu->AppendMenu(MF_STRING, kExtraCommand, "&Extra...");
    d.Key(Qt::Key_Space, Qt::AltModifier);
    EXPECT_FALSE(d.Ended());
    d.Key(Qt::Key_Space, Qt::AltModifier);  // Close this time
  });
  runner.ChooseMenuCommand(kExtraCommand);
  runner.ChooseMenuCommand(SC_CLOSE);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  ASSERT_EQ(runner.MenusOpened().size(), 2u);
  EXPECT_EQ(runner.MenusOpened()[0], (std::vector<UINT>{SC_CLOSE, kExtraCommand}));
  EXPECT_EQ(dialog.sysCommands, (std::vector<UINT>{kExtraCommand, SC_CLOSE}));
  EXPECT_EQ(runner.UnexpectedModals(), 0);
}

TEST_F(QtSystemMenuTest, RightClickOnTheBackgroundOpensTheSystemMenu) {
  runner.OnDialog(test::kFormTemplate, [](DialogDriver& d) {
    QDialog* window = tqr417::fw::QtWindow(d.Dialog());
    const QPoint background(window->width() - 3, window->height() - 3);
    QContextMenuEvent onBackground(QContextMenuEvent::Mouse, background,
                                   window->mapToGlobal(background));
    QCoreApplication::sendEvent(window, &onBackground);
    d.Esc();
  });
  runner.ChooseMenuCommand(0);
  dialog.DoModal();
  EXPECT_EQ(runner.MenusOpened().size(), 1u);
}

}  // namespace
