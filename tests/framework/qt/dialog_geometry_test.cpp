// A Qt dialog window and its controls stand where the template puts them, at the screen's
// dialog units.

#include <gtest/gtest.h>

#include <QDialog>

#include "framework/dialog.h"
#include "framework/dialog_template.h"
#include "framework/dialog_units.h"
#include "framework/qt/qt_access.h"
#include "framework/qt/screen_units.h"
#include "tests/framework/test_dialogs.h"

namespace {

using tqr417::fw::DialogUnits;

TEST(DialogGeometry, WindowAndControlsFollowTheTemplate) {
  tqr417::fw::test::FormDlg dialog;
  ASSERT_TRUE(dialog.Create());
  const DialogUnits units = tqr417::fw::ScreenDialogUnits();
  const auto* form = tqr417::fw::FindTemplate(tqr417::fw::test::kFormTemplate);
  EXPECT_EQ(tqr417::fw::QtWindow(dialog)->width(), units.ToPixelsX(form->width));
  EXPECT_EQ(tqr417::fw::QtWindow(dialog)->height(), units.ToPixelsY(form->height));
  const auto* edit = form->FindControl(tqr417::fw::test::kSigned);
  EXPECT_EQ(tqr417::fw::QtWidget(dialog.GetDlgItem(tqr417::fw::test::kSigned))->geometry(),
            tqr417::fw::ToQRect(units.ToPixels(edit->x, edit->y, edit->width, edit->height)));
}

}  // namespace
