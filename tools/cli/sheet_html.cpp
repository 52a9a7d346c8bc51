// The configuration sheet as one HTML page for printing.
#include <cstdio>
#include <string>
#include <string_view>

#include "tools/cli/sheet_writers.h"

namespace tqr417::cli {

namespace {

// Printed on A4 or Letter alike: no page size is set, so the printer's own paper is used, and
// the page fits the narrower (A4, 210 mm) and the shorter (Letter, 279 mm) of the two.
constexpr std::string_view kStyle =
    R"(body { font: 10pt/1.35 sans-serif; color: #000; background: #fff; margin: 1.5em; }
h1 { font-size: 15pt; margin: 0 0 0.5em; }
h2 { font-size: 12pt; margin: 1.2em 0 0.1em; }
p.window { margin: 0 0 0.3em; font-style: italic; }
table { border-collapse: collapse; }
th, td { border: 1px solid #888; padding: 0.12em 0.45em; text-align: left; vertical-align: top; }
thead { display: table-header-group; }
tr { break-inside: avoid; page-break-inside: avoid; }
table.facts th { font-weight: normal; border: none; padding-left: 0; }
table.facts td { border: none; }
table.settings { width: 100%; }
table.settings th.caption { width: 14em; }
td.value, td.check { white-space: pre-wrap; word-break: break-all; }
td.check { font-size: 9pt; }
tr.refused td.value, td.refused { font-weight: bold; }
table.entries td { text-align: right; white-space: pre-wrap; word-break: break-all; }
table.entries td.label, table.entries td.text { text-align: left; }
table.entries th { font-size: 9pt; text-align: center; vertical-align: bottom; }
ul.refusals { white-space: pre-wrap; font-size: 9pt; }
@page { margin: 15mm; }
@media print {
  body { margin: 0; font-size: 9pt; }
  section.function-table { break-before: page; page-break-before: always; }
  h2 { break-after: avoid; page-break-after: avoid; }
}
)";

void AppendReference(std::string& out, unsigned codePoint) {
  char reference[16];
  std::snprintf(reference, sizeof reference, "&#x%X;", codePoint);
  out += reference;
}

void AppendVisibleByte(std::string& out, unsigned char byte) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\x%02X", byte);
  out += escape;
}

// A character that markup would read as its own: escaped; ASCII otherwise as it is.
void AppendAscii(std::string& out, char c) {
  switch (c) {
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '&':
      out += "&amp;";
      break;
    case '"':
      out += "&quot;";
      break;
    default:
      out += c;
  }
}

// A text of the configuration: 8-bit characters, each byte the character of the same number.
// Control characters (C0, DEL, C1) cannot be shown and come out as \xNN.
std::string EscapeConfigText(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || (byte >= 0x7F && byte < 0xA0)) {
      AppendVisibleByte(out, byte);
    } else if (byte >= 0xA0) {
      AppendReference(out, byte);
    } else {
      AppendAscii(out, c);
    }
  }
  return out;
}

// Text given as UTF-8 (the file's name, the captions): each character outside ASCII as a
// reference; a byte that is no part of a UTF-8 character, or a control character, as \xNN.
std::string EscapeUtf8(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80         ? 1
                          : (lead >> 5) == 6  ? 2
                          : (lead >> 4) == 14 ? 3
                          : (lead >> 3) == 30 ? 4
                                              : 0;
    unsigned codePoint = length == 1   ? lead
                         : length == 2 ? lead & 0x1F
                         : length == 3 ? lead & 0x0F
                                       : lead & 0x07;
    bool valid = length != 0 && i + length <= text.size();
    for (size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      codePoint = codePoint << 6 | (next & 0x3F);
    }
    static constexpr unsigned kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && codePoint >= kSmallest[length] && codePoint <= 0x10FFFF &&
            (codePoint < 0xD800 || codePoint > 0xDFFF);
    if (!valid || codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0)) {
      AppendVisibleByte(out, lead);
      ++i;
      continue;
    }
    if (length == 1) {
      AppendAscii(out, text[i]);
    } else {
      AppendReference(out, codePoint);
    }
    i += length;
  }
  return out;
}

// A value as its cell shows it: a text between quotes in the list of settings (bare in the
// table), a number or word as it is.
std::string ValueHtml(const SheetValue& value, bool quoted) {
  if (!value.isText) return EscapeUtf8(value.shown);
  const std::string text = EscapeConfigText(value.shown);
  return quoted ? "&quot;" + text + "&quot;" : text;
}

void AppendHeader(std::string& out, const ConfigSheet& sheet) {
  out += "<header>\n<h1>TQR-417 configuration sheet</h1>\n<table class=\"facts\">\n";
  out += "<tr><th scope=\"row\">File</th><td>" + EscapeUtf8(sheet.fileName) + "</td></tr>\n";
  out += "<tr><th scope=\"row\">Frame checksum</th><td>" + EscapeUtf8(sheet.checksum) +
         " (sent with an upload of this file: what the unit will hold)</td></tr>\n";
  if (!sheet.date.empty()) {
    out += "<tr><th scope=\"row\">Date</th><td>" + EscapeUtf8(sheet.date) + "</td></tr>\n";
  }
  out += "</table>\n</header>\n";
}

void AppendSection(std::string& out, const SheetSection& section) {
  out += "<h2>" + EscapeUtf8(section.title) + "</h2>\n";
  if (!section.windowTitle.empty() || section.buttonHidden) {
    out += "<p class=\"window\">";
    if (!section.windowTitle.empty()) {
      out += "Window &quot;" + EscapeUtf8(section.windowTitle) + "&quot;";
    }
    if (section.buttonHidden) out += "; its button is hidden in the main window";
    out += "</p>\n";
  }
  out +=
      "<table class=\"settings\">\n<thead><tr><th class=\"caption\">Setting</th><th>Value</th>"
      "<th>Unit</th><th>Not accepted by its window</th></tr></thead>\n<tbody>\n";
  for (const SheetSetting& setting : section.settings) {
    const bool refused = !setting.value.refusal.empty();
    out += refused ? "<tr class=\"refused\">" : "<tr>";
    out += "<td>" + EscapeUtf8(setting.caption) + "</td><td class=\"value\">" +
           ValueHtml(setting.value, true) + "</td><td>" + EscapeUtf8(setting.unit) +
           "</td><td class=\"check\">" + EscapeConfigText(setting.value.refusal) + "</td></tr>\n";
  }
  out += "</tbody>\n</table>\n";
}

void AppendTable(std::string& out, const SheetTable& table) {
  out += "<section class=\"function-table\">\n<h2>Function table</h2>\n";
  out += "<table class=\"entries\">\n<thead><tr>";
  for (const std::string& heading : table.headings) {
    out += "<th scope=\"col\">" + EscapeUtf8(heading) + "</th>";
  }
  out += "</tr></thead>\n<tbody>\n";
  for (const std::vector<SheetValue>& row : table.rows) {
    out += "<tr>";
    for (size_t c = 0; c < row.size(); ++c) {
      const SheetValue& cell = row[c];
      std::string classes = c == 0 ? "label" : cell.isText ? "text" : "";
      if (!cell.refusal.empty()) classes += classes.empty() ? "refused" : " refused";
      out += classes.empty() ? "<td>" : "<td class=\"" + classes + "\">";
      out += ValueHtml(cell, false) + (cell.refusal.empty() ? "" : " !") + "</td>";
    }
    out += "</tr>\n";
  }
  out += "</tbody>\n</table>\n";
  if (!table.refusals.empty()) {
    out += "<p>! Not accepted by its window:</p>\n<ul class=\"refusals\">\n";
    for (const std::string& refusal : table.refusals) {
      out += "<li>" + EscapeConfigText(refusal) + "</li>\n";
    }
    out += "</ul>\n";
  }
  out += "</section>\n";
}

}  // namespace

std::string SheetAsHtml(const ConfigSheet& sheet) {
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>TQR-417 "
      "configuration sheet: " +
      EscapeUtf8(sheet.fileName) + "</title>\n<style>\n";
  out += kStyle;
  out += "</style>\n</head>\n<body>\n";
  AppendHeader(out, sheet);
  out += "<section class=\"settings\">\n";
  for (const SheetSection& section : sheet.sections) AppendSection(out, section);
  out += "</section>\n";
  AppendTable(out, sheet.table);
  out += "</body>\n</html>\n";
  return out;
}

}  // namespace tqr417::cli
