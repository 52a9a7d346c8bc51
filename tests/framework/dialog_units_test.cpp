#include "framework/dialog_units.h"

#include <gtest/gtest.h>

#include "support/row_name.h"

namespace {

using tqr417::fw::DialogUnits;

struct UnitCase {
  const char* description;
  double dpi;
  int dluX, dluY;
  int pixelsX, pixelsY;
};

class DialogUnitTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(DialogUnitTest, ConvertsWithBaseUnitsSixByThirteen) {
  const UnitCase& c = GetParam();
  const DialogUnits units(c.dpi);
  EXPECT_EQ(units.ToPixelsX(c.dluX), c.pixelsX) << c.description;
  EXPECT_EQ(units.ToPixelsY(c.dluY), c.pixelsY) << c.description;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DialogUnitTest,
    ::testing::Values(
        // 394 * 6 / 4 = 591; 277 * 13 / 8 = 450.125
        UnitCase{"main window at 96 dpi", 96, 394, 277, 591, 450},
        // 43 * 1.5 = 64.5 rounds up; 13 * 13 / 8 = 21.125
        UnitCase{"half pixel rounds away from zero", 96, 43, 13, 65, 21},
        // 3 * 13 / 8 = 4.875
        UnitCase{"small heights round to nearest", 96, 1, 3, 2, 5},
        // base units 9 x 19.5 at 144 dpi: 235 * 9 / 4 = 528.75; 55 * 19.5 / 8 = 134.06
        UnitCase{"About box at 144 dpi", 144, 235, 55, 529, 134},
        UnitCase{"zero stays zero", 120, 0, 0, 0, 0}),
    tqr417::test_support::RowName{});

}  // namespace
