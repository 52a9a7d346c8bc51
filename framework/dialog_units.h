#pragma once
// Dialog units to pixels.
//
// A dialog unit is a quarter of the average character width horizontally and an eighth of
// the character height vertically. The base units are fixed at 6 x 13 pixels (the 8-point
// dialog font at 96 dpi) and scaled by the screen's logical dpi, so the geometry of a window
// does not depend on the fonts installed. The toolkit gives the dpi of its screen.

namespace tqr417::fw {

// A rectangle in pixels.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

class DialogUnits {
 public:
  // Base units for a screen of `logicalDpi` dots per inch.
  explicit DialogUnits(double logicalDpi = 96.0);

  double BaseX() const { return baseX_; }
  double BaseY() const { return baseY_; }

  // x_px = round(dlu_x * baseX / 4), y_px = round(dlu_y * baseY / 8), halves away from zero.
  int ToPixelsX(int dluX) const;
  int ToPixelsY(int dluY) const;
  PixelRect ToPixels(int x, int y, int width, int height) const;

 private:
  double baseX_;
  double baseY_;
};

}  // namespace tqr417::fw
