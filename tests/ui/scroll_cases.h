#pragma once
// Scroll requests in both tone modes and where each leaves the grid: every request code, the
// clamping into the range, and the rule that the rows follow the thumb. The window's own
// requests (scrolling_test.cpp) and the ones an assistive technology gives
// (qt/scrolling_accessible_test.cpp) take their cases from this one table.

#include "framework/win_types.h"

namespace tqr417::ui::testing {

inline constexpr int kSingle = 0;
inline constexpr int kDual = 1;
inline constexpr UINT kUnknownCode = 9;

struct ScrollCase {
  const char* description;
  int toneMode;
  int startThumb;  // where a thumb drag left the bar before the request
  UINT code;
  UINT pos;         // for the thumb requests
  int expectedTop;  // thumb, windowTop and the entry in row 1 afterwards
};

inline constexpr ScrollCase kScrollCases[] = {
    {"line up at the top of Single stays at F01", kSingle, 1, SB_LINEUP, 0, 1},
    {"line down in Single", kSingle, 1, SB_LINEDOWN, 0, 2},
    {"line up in Single", kSingle, 5, SB_LINEUP, 0, 4},
    {"line down at the bottom of Single stays", kSingle, 7, SB_LINEDOWN, 0, 7},
    {"page down in Single clamps to 7", kSingle, 1, SB_PAGEDOWN, 0, 7},
    {"page up in Single clamps to 1", kSingle, 6, SB_PAGEUP, 0, 1},
    {"top in Single gives 0, clamped to 1", kSingle, 5, SB_TOP, 0, 1},
    {"bottom in Single shows F07 to F16", kSingle, 1, SB_BOTTOM, 0, 7},
    {"drag in Single", kSingle, 1, SB_THUMBTRACK, 4, 4},
    {"release beyond the Single range", kSingle, 1, SB_THUMBPOSITION, 40, 7},
    {"unknown code refills at the thumb", kSingle, 3, kUnknownCode, 0, 3},
    {"top in Dual shows F00", kDual, 50, SB_TOP, 0, 0},
    {"bottom in Dual shows F90 to F99", kDual, 0, SB_BOTTOM, 0, 90},
    {"page down from 85 clamps to 90", kDual, 85, SB_PAGEDOWN, 0, 90},
    {"page up from 5 shows F00", kDual, 5, SB_PAGEUP, 0, 0},
    {"page down in Dual", kDual, 20, SB_PAGEDOWN, 0, 30},
    {"line down in Dual", kDual, 80, SB_LINEDOWN, 0, 81},
    {"line up in Dual reaches F00", kDual, 1, SB_LINEUP, 0, 0},
    {"line down at the bottom of Dual stays", kDual, 90, SB_LINEDOWN, 0, 90},
    {"drag in Dual", kDual, 0, SB_THUMBTRACK, 63, 63},
    {"release in Dual", kDual, 11, SB_THUMBPOSITION, 85, 85},
    {"release beyond the Dual range", kDual, 0, SB_THUMBPOSITION, 500, 90},
};

}  // namespace tqr417::ui::testing
