#pragma once
// The configuration sheet laid out for a terminal or for printing. Both give the same bytes
// for the same sheet.

#include <string>

#include "tools/cli/config_sheet.h"

namespace tqr417::cli {

// Plain text in aligned columns, no line longer than kSheetTextColumns characters. Texts of
// the configuration appear between quotes with every byte outside printable ASCII as \xNN (as
// show and check give them); a value too long for its place goes on over the next lines, and
// a table cell too wide for its column is given in full below the table.
inline constexpr int kSheetTextColumns = 100;
std::string SheetAsText(const ConfigSheet& sheet);

// One self-contained HTML page for printing: its style sheet inline, no scripts, no outside
// files, the function table on a page of its own with its headings repeated on each page.
// The page is ASCII: every character outside it is a character reference, a byte of the
// configuration's texts read as the character of the same number (U+0000 to U+00FF, as export
// gives them), and one that cannot be shown (a control character) as the text \xNN.
std::string SheetAsHtml(const ConfigSheet& sheet);

}  // namespace tqr417::cli
