#pragma once
// The main window's grid: ten rows over the function table, one control per column and row.
//
// Row k (1 to 10 from the top) shows entry windowTop + k - 1. The columns, with their headings
// and control ids, are the template's; below are the groups of them the window walks and the
// row orders in which its exchange list binds the columns.

#include <array>

#include "resources/setup_grid.h"

namespace tqr417::ui {

using res::setup::GridColumn;
using res::setup::kGridRows;
using res::setup::RowIds;
namespace grid = res::setup::grid;

// Every column, left to right.
inline constexpr std::array<const GridColumn*, 8> kGridColumns{
    &grid::kLabel,    &grid::kToneActive,    &grid::kRelay, &grid::kGroup,
    &grid::kDuration, &grid::kDigitalOutput, &grid::kCtcss, &grid::kUseDefaultCtcss};

// The six controls of a row that its Tone Active box enables and disables.
inline constexpr std::array<const GridColumn*, 6> kRowEditingColumns{
    &grid::kRelay,         &grid::kGroup, &grid::kDuration,
    &grid::kDigitalOutput, &grid::kCtcss, &grid::kUseDefaultCtcss};

// Row orders of the exchange list, as row numbers from 1. The label fields come in an order
// of their own; every other column goes row 1, row 10, then rows 2 to 9.
inline constexpr std::array<int, kGridRows> kLabelExchangeOrder{3, 1, 10, 2, 4, 5, 6, 7, 8, 9};
inline constexpr std::array<int, kGridRows> kRowExchangeOrder{1, 10, 2, 3, 4, 5, 6, 7, 8, 9};

// Id of column `column`'s control in row `row` (1 to 10).
constexpr int GridId(const GridColumn& column, int row) {
  return column.ids[static_cast<std::size_t>(row - 1)];
}

}  // namespace tqr417::ui
