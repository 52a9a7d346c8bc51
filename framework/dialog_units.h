#pragma once
// Dialog units to pixels.
//
// A dialog unit is a quarter of the average character width horizontally and an eighth of
// the character height vertically. The base units are fixed at 6 x 13 pixels (the 8-point
// dialog font at 96 dpi) and scaled by the screen's logical dpi, so the geometry of a window
// does not depend on the fonts installed.

#include <QRect>

namespace tqr417::fw {

class DialogUnits {
 public:
  // Base units for a screen of `logicalDpi` dots per inch.
  explicit DialogUnits(double logicalDpi = 96.0);
  // Base units of the primary screen (96 dpi when there is none).
  static DialogUnits ForScreen();

  double BaseX() const { return baseX_; }
  double BaseY() const { return baseY_; }

  // x_px = round(dlu_x * baseX / 4), y_px = round(dlu_y * baseY / 8), halves away from zero.
  int ToPixelsX(int dluX) const;
  int ToPixelsY(int dluY) const;
  QRect ToPixels(int x, int y, int width, int height) const;

 private:
  double baseX_;
  double baseY_;
};

}  // namespace tqr417::fw
