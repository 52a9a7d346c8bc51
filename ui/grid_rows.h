#pragma once
// The grid's row values: the main window's working copy of the ten entries it shows.
//
// They hold the table's values after FillRows and the technician's input after an exchange
// from the controls; the function table itself changes only when the rows are stored.

#include <array>
#include <string>

#include "config/unit_config.h"
#include "framework/c_string.h"
#include "ui/grid_layout.h"

namespace tqr417::ui {

template <typename T>
using RowArray = std::array<T, kGridRows>;

struct GridRows {
  RowArray<CString> rowLabel{};        // "F00" to "F99"
  RowArray<int> rowToneActive{};       // 0 or 1
  RowArray<CString> rowRelay{};        // "R01", "R02", anything typed, or empty
  RowArray<CString> rowGroup{};        // the group as text, see group_text.h
  RowArray<int> rowDurationMs{};       // 0 to 30000 when checked
  RowArray<int> rowDigitalOutput{};    // 0 to 63 when checked
  RowArray<int> rowCtcssCode{};        // 0 to 64 when checked
  RowArray<int> rowUseDefaultCtcss{};  // 0 or 1
};

// The seven entry columns: calls visit(rowValues, tableArray) for each, so FillRows and
// StoreRows walk one list in opposite directions. A CString row beside an int array is the
// relay group, shown and stored as text (group_text.h).
template <typename Rows, typename Table, typename Visit>
void ForEachEntryColumn(Rows& rows, Table& table, Visit&& visit) {
  visit(rows.rowToneActive, table.toneActive);
  visit(rows.rowRelay, table.relay);
  visit(rows.rowGroup, table.relayGroup);
  visit(rows.rowDurationMs, table.relayDurationMs);
  visit(rows.rowDigitalOutput, table.digitalOutput);
  visit(rows.rowCtcssCode, table.ctcssCode);
  visit(rows.rowUseDefaultCtcss, table.useDefaultCtcss);
}

}  // namespace tqr417::ui
