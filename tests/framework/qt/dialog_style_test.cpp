// How the dialogs draw their check boxes: a box that takes input must not look disabled.

#include "framework/qt/dialog_style.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <algorithm>
#include <memory>

#include "framework/qt/control_factory.h"

namespace {

// Grey level (0 black to 255 white) of the darkest pixel of `widget` as drawn.
int DarkestGrey(QWidget& widget) {
  const QImage image = widget.grab().toImage();
  int darkest = 255;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
  }
  return darkest;
}

TEST(CheckBoxLook, EnabledBoxWithoutTickStandsOutFromADisabledOne) {
  QWidget parent;
  const tqr417::fw::ControlTemplate box{7,  tqr417::fw::ControlKind::kCheckBox, "", 0, 0, 10,
                                        10, tqr417::fw::style::kTabStop,        {}};
  std::unique_ptr<QWidget> control(
      tqr417::fw::CreateControl(box, &parent, tqr417::fw::DialogUnits()));
  const int enabled = DarkestGrey(*control);
  control->setEnabled(false);
  const int disabled = DarkestGrey(*control);
  EXPECT_LT(enabled + 40, disabled) << "enabled " << enabled << ", disabled " << disabled;
}

}  // namespace
