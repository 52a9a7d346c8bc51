#pragma once
// The order and headings of the configuration sheet, taken from the window templates and the
// catalogue's places: first the main window's settings, then each setting dialog in the order
// of its button in the main window's template; within a window the fields stand as the window
// shows them, row by row from the top and left to right within a row. The function table's
// columns come left to right with the grid's headings.

#include <string>
#include <vector>

#include "config/field_catalogue.h"

namespace tqr417::cli {

struct SheetSectionLayout {
  std::string title;          // "Main window", or the caption of the dialog's button
  std::string windowCaption;  // the window's own caption, e.g. "Dig5 Input Tone Setup"
  bool buttonHidden = false;  // the main window's button for this dialog is hidden
  std::vector<const FieldInfo*> fields;
};

struct TableColumnLayout {
  std::string heading;     // as the grid shows it, e.g. "Relay Duration (ms)"
  const FieldInfo* field;  // nullptr for the column of entry labels
};

// The sections of settings, main window first. A dialog that shows no configuration field (the
// port choice) has none.
std::vector<SheetSectionLayout> SettingSections();

// The grid's columns, left to right, the entry labels first.
std::vector<TableColumnLayout> TableColumns();

}  // namespace tqr417::cli
