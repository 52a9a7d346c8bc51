#pragma once
// The configuration sheet: what a printed record of a .417 file holds, before it is laid out
// as text or HTML. Every caption, unit and choice name comes from the field catalogue, the
// order and headings from the window templates (sheet_layout.h), and a value its window would
// not accept carries the words of `check`.

#include <string>
#include <vector>

#include "config/unit_config.h"

namespace tqr417::cli {

// A value as the sheet shows it. A text keeps the file's own 8-bit characters; each layout
// escapes it its own way.
struct SheetValue {
  std::string shown;    // "Dual", "on", "1200", or the text itself
  bool isText = false;  // a text field: shown between quotes, its bytes escaped
  std::string refusal;  // check's line when the window would not accept it, else empty
};

struct SheetSetting {
  std::string caption;  // as the window shows it
  SheetValue value;
  std::string unit;  // empty when the window shows none
};

struct SheetSection {
  std::string title;        // "Main window", "Dig5 Setup"
  std::string windowTitle;  // "TQR-417 Configuration Application", "Dig5 Input Tone Setup"
  bool buttonHidden = false;
  std::vector<SheetSetting> settings;
};

struct SheetTable {
  std::vector<std::string> headings;          // the grid's, the entry label's first
  std::vector<std::vector<SheetValue>> rows;  // one per entry, F00 first; label cell first
  std::vector<std::string> refusals;          // check's lines for the table, in entry order
};

struct ConfigSheet {
  std::string fileName;  // as given, UTF-8
  std::string checksum;  // "0xCF75"
  std::string date;      // empty unless asked for
  std::vector<SheetSection> sections;
  SheetTable table;
};

// The sheet of `config`, read from `fileName`.
ConfigSheet MakeConfigSheet(const UnitConfig& config, const std::string& fileName,
                            const std::string& date);

}  // namespace tqr417::cli
