#include "framework/dialog_units.h"

#include <cmath>

namespace tqr417::fw {
namespace {

constexpr double kBaseX96 = 6.0;   // average character width of the 8-point dialog font
constexpr double kBaseY96 = 13.0;  // its character height

}  // namespace

DialogUnits::DialogUnits(double logicalDpi)
    : baseX_(kBaseX96 * logicalDpi / 96.0), baseY_(kBaseY96 * logicalDpi / 96.0) {}

int DialogUnits::ToPixelsX(int dluX) const {
  return static_cast<int>(std::lround(dluX * baseX_ / 4.0));
}

int DialogUnits::ToPixelsY(int dluY) const {
  return static_cast<int>(std::lround(dluY * baseY_ / 8.0));
}

PixelRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
  return PixelRect{ToPixelsX(x), ToPixelsY(y), ToPixelsX(width), ToPixelsY(height)};
}

}  // namespace tqr417::fw
