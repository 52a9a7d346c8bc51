#pragma once
// The main window's grid columns: each column's heading as the window shows it and its control
// ids from row 1 down. The template draws the headings from here and the window names its
// cells after them, so each heading is written once.

#include <array>
#include <string_view>

#include "resources/resource_ids.h"

namespace tqr417::res::setup {

inline constexpr int kGridRows = 10;

using RowIds = std::array<int, kGridRows>;

struct GridColumn {
  std::string_view heading;
  const RowIds& ids;  // control of row 1 first
};

namespace grid {
inline constexpr GridColumn kLabel{"Function Tone", kLabelIds};
inline constexpr GridColumn kToneActive{"Tone Active", kToneActiveIds};
inline constexpr GridColumn kRelay{"Relay", kRelayIds};
inline constexpr GridColumn kGroup{"Relay Group", kGroupIds};
inline constexpr GridColumn kDuration{"Relay Duration (ms)", kDurationIds};
inline constexpr GridColumn kDigitalOutput{"Digital Ouptut", kDigitalOutputIds};
inline constexpr GridColumn kCtcss{"CTCSS Freq", kCtcssIds};
inline constexpr GridColumn kUseDefaultCtcss{"Use Default CTCSS", kUseDefaultCtcssIds};
}  // namespace grid

}  // namespace tqr417::res::setup
