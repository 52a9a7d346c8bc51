// The grid of the main window: showing and storing the rows, relay sharing, row enabling
// and scrolling.

#include <algorithm>
#include <string>

#include "framework/scroll_bar.h"
#include "link/config_frame.h"
#include "ui/group_text.h"
#include "ui/setup_dlg.h"

using tqr417::kEntryCount;
using tqr417::ui::GridId;
using tqr417::ui::kGridRows;
namespace grid = tqr417::ui::grid;

namespace {

// The highest first entry: row 10 then shows the last entry of the table.
constexpr int kLastTop = kEntryCount - kGridRows;

// Index of row `row`'s entry (row 1 to 10) below first entry `top`.
std::size_t EntryIndex(int top, int row) { return static_cast<std::size_t>(top + row - 1); }

std::size_t RowIndex(int row) { return static_cast<std::size_t>(row - 1); }

// The scroll range of a tone mode: Single reaches entries 1 to 16, every other mode 0 to 99.
struct ScrollRange {
  int min;
  int max;
};
ScrollRange RangeOfMode(int toneMode) {
  return toneMode == 0 ? ScrollRange{1, 7} : ScrollRange{0, kLastTop};
}

// One cell between the table and the row values, by the types on both sides.
void ShowValue(int& shown, int stored) { shown = stored; }
void ShowValue(CString& shown, const std::string& stored) { shown = stored; }
void ShowValue(CString& shownGroup, int storedGroup) {
  shownGroup = tqr417::ui::GroupText(storedGroup);
}
void StoreValue(const int& shown, int& stored) { stored = shown; }
void StoreValue(const CString& shown, std::string& stored) { stored = shown.str(); }
// The group text that reads as 0 becomes "1" in the row as well.
void StoreValue(CString& shownGroup, int& storedGroup) {
  storedGroup = tqr417::ui::StoreGroupText(shownGroup);
}

}  // namespace

void CSetupDlg::FillRows(int top) {
  // windowTop only ever takes thumb positions and range minimums; the bound keeps a stray
  // value from reading outside the table.
  top = std::clamp(top, 0, kLastTop);
  state_.windowTop = top;
  const tqr417::FunctionTable& table = config_.functionTable;
  for (int row = 1; row <= kGridRows; ++row) {
    const std::size_t e = EntryIndex(top, row);
    const std::size_t r = RowIndex(row);
    rows.rowLabel[r] = tqr417::FormatEntryLabel(top + row - 1, 'F');
    tqr417::ui::ForEachEntryColumn(
        rows, table, [e, r](auto& shown, const auto& stored) { ShowValue(shown[r], stored[e]); });
  }
  UpdateData(FALSE);
  NameGridCells();
  // Each row rule takes the controls in first. Once one of those exchanges has succeeded the
  // members equal the controls, and enabling changes no value, so the rules after it would
  // read the same again: they read only until one succeeds. A failing exchange reports its
  // field and leaves the rest unread, so the next rule reads (and reports) again, once per
  // rule.
  bool taken = false;
  for (int row = 1; row <= kGridRows; ++row) {
    if (!taken) taken = UpdateData(TRUE) != FALSE;
    EnableRowByToneActive(row);
  }
}

void CSetupDlg::StoreRows() {
  UpdateData(TRUE);
  const int top = std::clamp(state_.windowTop, 0, kLastTop);
  tqr417::FunctionTable& table = config_.functionTable;
  for (int row = 1; row <= kGridRows; ++row) {
    const std::size_t e = EntryIndex(top, row);
    const std::size_t r = RowIndex(row);
    tqr417::ui::ForEachEntryColumn(
        rows, table, [e, r](auto& shown, auto& stored) { StoreValue(shown[r], stored[e]); });
  }
}

void CSetupDlg::ShareRelaySettings(int row) {
  StoreRows();
  tqr417::FunctionTable& table = config_.functionTable;
  const std::size_t source = EntryIndex(std::clamp(state_.windowTop, 0, kLastTop), row);
  const std::string relay = table.relay[source];
  if (relay.empty()) return;

  bool shared = false;
  for (std::size_t i = 0; i < table.relay.size(); ++i) {
    if (i == source || table.relay[i] != relay) continue;
    table.relayGroup[i] = table.relayGroup[source];
    table.relayDurationMs[i] = table.relayDurationMs[source];
    shared = true;
  }
  if (shared) FillRows(state_.windowTop);
}

void CSetupDlg::EnableRowControls(int row) {
  UpdateData(TRUE);
  EnableRowByToneActive(row);
}

void CSetupDlg::EnableRowByToneActive(int row) {
  const BOOL enable = rows.rowToneActive[RowIndex(row)] != 0 ? TRUE : FALSE;
  for (const tqr417::ui::GridColumn* column : tqr417::ui::kRowEditingColumns) {
    if (CWnd* control = GetDlgItem(GridId(*column, row))) control->EnableWindow(enable);
  }
}

void CSetupDlg::ResetScrollRange() {
  const ScrollRange range = RangeOfMode(config_.main.toneMode);
  state_.scrollMax = range.max;
  scrollBar.SetScrollRange(range.min, range.max, TRUE);
}

void CSetupDlg::OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
  // Every message stores the rows, the end-of-scroll message that closes each action too.
  StoreRows();
  const int current = scrollBar.GetScrollPos();
  switch (code) {
    case SB_LINEUP:
      scrollBar.SetScrollPos(current - 1, TRUE);
      break;
    case SB_LINEDOWN:
      scrollBar.SetScrollPos(current + 1, TRUE);
      break;
    case SB_PAGEUP:
      scrollBar.SetScrollPos(current - kGridRows, TRUE);
      break;
    case SB_PAGEDOWN:
      scrollBar.SetScrollPos(current + kGridRows, TRUE);
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      scrollBar.SetScrollPos(static_cast<int>(pos), TRUE);
      break;
    case SB_TOP:
      scrollBar.SetScrollPos(0, TRUE);
      break;
    case SB_BOTTOM:
      scrollBar.SetScrollPos(state_.scrollMax, TRUE);
      break;
    default:
      break;
  }
  // The scroll bar has clamped the new position into its range; the rows follow the thumb.
  if (code != SB_ENDSCROLL) FillRows(scrollBar.GetScrollPos());
  CDialog::OnVScroll(code, pos, bar);
}

void CSetupDlg::NameGridCells() {
  for (int row = 1; row <= kGridRows; ++row) {
    const CString& label = rows.rowLabel[RowIndex(row)];
    for (const tqr417::ui::GridColumn* column : tqr417::ui::kGridColumns) {
      SetAccessibleName(GridId(*column, row), CString(column->heading) + " " + label);
    }
  }
}
