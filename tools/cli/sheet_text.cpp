// The configuration sheet as plain text, for a terminal.
#include <algorithm>
#include <string>
#include <vector>

#include "tools/cli/field_words.h"
#include "tools/cli/sheet_writers.h"

namespace tqr417::cli {

namespace {

constexpr size_t kWidth = kSheetTextColumns;
constexpr size_t kIndent = 2;
constexpr size_t kGap = 2;
// A table column is at least as wide as this, and as wide as its heading up to the next.
constexpr size_t kNarrowestColumn = 5;
constexpr size_t kHeadingOnOneLine = 11;

// Characters as a terminal shows them: UTF-8 continuation bytes take no column.
size_t Columns(const std::string& text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// Where to cut `text` so that its first part takes at most `width` columns: with
// `atBlanks`, after the last blank that allows it; else, or when there is none, at the width,
// moved back so as not to split a \xNN escape. A UTF-8 sequence is never split.
size_t CutPoint(const std::string& text, size_t width, bool atBlanks) {
  size_t cut = 0;
  for (size_t columns = 0; cut < text.size(); ++cut) {
    if ((static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) continue;
    if (columns == width) break;
    ++columns;
  }
  if (cut >= text.size()) return text.size();
  const size_t blank = atBlanks ? text.rfind(' ', cut) : std::string::npos;
  if (blank != std::string::npos && blank > 0) return blank + 1;
  for (size_t back = 1; back <= 3 && back < cut; ++back) {
    if (text[cut - back] == '\\') return cut - back;
  }
  return cut;
}

// `text` in lines of at most `width` columns. Words are kept whole only with `atBlanks`: a
// text of the configuration is cut anywhere, so that none of its blanks is lost.
std::vector<std::string> Wrap(std::string text, size_t width, bool atBlanks) {
  std::vector<std::string> lines;
  while (Columns(text) > width) {
    const size_t cut = CutPoint(text, width, atBlanks);
    std::string line = text.substr(0, cut);
    if (atBlanks) {
      while (!line.empty() && line.back() == ' ') line.pop_back();
    }
    lines.push_back(line);
    text.erase(0, cut);
  }
  lines.push_back(text);
  return lines;
}

// `first` on the first line, then `text` wrapped so that every line fits the sheet, each
// line after the first indented by `hang` columns.
void AppendHanging(std::string& out, const std::string& first, const std::string& text,
                   bool atBlanks = false) {
  const size_t hang = Columns(first);
  const std::vector<std::string> lines = Wrap(text, kWidth - hang, atBlanks);
  for (size_t i = 0; i < lines.size(); ++i) {
    out += (i == 0 ? first : std::string(hang, ' ')) + lines[i] + "\n";
  }
}

std::string Padded(std::string text, size_t width) {
  const size_t columns = Columns(text);
  if (columns < width) text.append(width - columns, ' ');
  return text;
}

// A text of the configuration as show gives it: between quotes in a list of settings, bare
// in a table cell.
std::string ShownValue(const SheetValue& value, bool quoted) {
  if (!value.isText) return value.shown;
  const std::string text = QuotedText(value.shown);
  return quoted ? text : text.substr(1, text.size() - 2);
}

// A name as given, UTF-8, with each control character as \xNN so that it stays on its line.
std::string WithoutControls(const std::string& text) {
  std::string shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      const char* digits = "0123456789ABCDEF";
      shown += std::string("\\x") + digits[byte >> 4] + digits[byte & 0xF];
    } else {
      shown += c;
    }
  }
  return shown;
}

void AppendHeader(std::string& out, const ConfigSheet& sheet) {
  out += "TQR-417 configuration sheet\n\n";
  AppendHanging(out, "File:            ", WithoutControls(sheet.fileName));
  AppendHanging(out, "Frame checksum:  ",
                sheet.checksum + " (sent with an upload of this file: what the unit will hold)",
                true);
  if (!sheet.date.empty()) AppendHanging(out, "Date:            ", WithoutControls(sheet.date));
}

void AppendSection(std::string& out, const SheetSection& section, size_t captionWidth) {
  std::string heading = section.title;
  if (!section.windowTitle.empty()) heading += " (window \"" + section.windowTitle + "\")";
  if (section.buttonHidden) heading += "; its button is hidden in the main window";
  out += "\n";
  AppendHanging(out, "", heading, true);
  for (const SheetSetting& setting : section.settings) {
    std::string value = ShownValue(setting.value, true);
    if (!setting.unit.empty()) value += " " + setting.unit;
    AppendHanging(
        out,
        std::string(kIndent, ' ') + Padded(setting.caption, captionWidth) + std::string(kGap, ' '),
        value);
    if (!setting.value.refusal.empty()) {
      AppendHanging(out, std::string(kIndent + 2, ' ') + "! not accepted by its window: ",
                    setting.value.refusal);
    }
  }
}

// A table cell's text, with "!" after a value its window would not accept.
std::string CellText(const SheetValue& value) {
  return ShownValue(value, false) + (value.refusal.empty() ? "" : "!");
}

size_t LongestWord(const std::string& text) {
  size_t longest = 0, current = 0;
  for (char c : text) {
    current = c == ' ' ? 0 : current + 1;
    longest = std::max(longest, current);
  }
  return longest;
}

// Each column as wide as its widest cell and its heading (up to kHeadingOnOneLine), then the
// widest narrowed until the table fits the sheet; never below its heading's longest word.
std::vector<size_t> ColumnWidths(const SheetTable& table) {
  std::vector<size_t> widths, floors;
  for (const std::string& heading : table.headings) {
    floors.push_back(std::max(LongestWord(heading), kNarrowestColumn));
    widths.push_back(std::max(floors.back(), std::min(heading.size(), kHeadingOnOneLine)));
  }
  for (const std::vector<SheetValue>& row : table.rows) {
    for (size_t c = 0; c < row.size() && c < widths.size(); ++c) {
      widths[c] = std::max(widths[c], Columns(CellText(row[c])));
    }
  }
  const auto total = [&widths] {
    size_t sum = kIndent + kGap * (widths.empty() ? 0 : widths.size() - 1);
    for (size_t w : widths) sum += w;
    return sum;
  };
  while (total() > kWidth) {
    size_t widest = 0;
    for (size_t c = 1; c < widths.size(); ++c) {
      if (widths[c] - floors[c] > widths[widest] - floors[widest]) widest = c;
    }
    if (widths[widest] == floors[widest]) break;
    --widths[widest];
  }
  return widths;
}

std::string TableLine(const std::vector<std::string>& cells, const std::vector<size_t>& widths) {
  std::string line(kIndent, ' ');
  for (size_t c = 0; c < cells.size(); ++c) {
    line += c + 1 < cells.size() ? Padded(cells[c], widths[c] + kGap) : cells[c];
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line + "\n";
}

void AppendTable(std::string& out, const SheetTable& table) {
  out += "\nFunction table\n";
  const std::vector<size_t> widths = ColumnWidths(table);
  std::vector<std::vector<std::string>> headingLines;
  size_t headingHeight = 0;
  for (size_t c = 0; c < table.headings.size(); ++c) {
    headingLines.push_back(Wrap(table.headings[c], widths[c], true));
    headingHeight = std::max(headingHeight, headingLines.back().size());
  }
  for (size_t line = 0; line < headingHeight; ++line) {
    std::vector<std::string> cells;
    for (const std::vector<std::string>& lines : headingLines) {
      cells.push_back(line < lines.size() ? lines[line] : "");
    }
    out += TableLine(cells, widths);
  }
  std::vector<std::string> rules;
  for (size_t width : widths) rules.emplace_back(width, '-');
  out += TableLine(rules, widths);
  std::vector<std::string> notes;
  for (const std::vector<SheetValue>& row : table.rows) {
    std::vector<std::string> cells;
    for (size_t c = 0; c < row.size(); ++c) {
      std::string cell = CellText(row[c]);
      if (Columns(cell) > widths[c]) {
        notes.push_back(row[0].shown + " " + table.headings[c] + ": " + ShownValue(row[c], true));
        cell = "[" + std::to_string(notes.size()) + "]";
      }
      cells.push_back(cell);
    }
    out += TableLine(cells, widths);
  }
  if (!notes.empty()) out += "\n";
  for (size_t n = 0; n < notes.size(); ++n) {
    AppendHanging(out, "  [" + std::to_string(n + 1) + "] ", notes[n]);
  }
  if (!table.refusals.empty()) out += "\n  ! not accepted by its window:\n";
  for (const std::string& refusal : table.refusals) AppendHanging(out, "    ", refusal);
}

}  // namespace

std::string SheetAsText(const ConfigSheet& sheet) {
  std::string out;
  AppendHeader(out, sheet);
  size_t captionWidth = 0;
  for (const SheetSection& section : sheet.sections) {
    for (const SheetSetting& setting : section.settings) {
      captionWidth = std::max(captionWidth, Columns(setting.caption));
    }
  }
  for (const SheetSection& section : sheet.sections) AppendSection(out, section, captionWidth);
  AppendTable(out, sheet.table);
  return out;
}

}  // namespace tqr417::cli
