#pragma once
// CMenu: the items of a window's system menu stand-in.
//
// The platforms this runs on give a dialog no system menu of its own, so every dialog gets a
// small popup that opens with Alt+Space and with a right click on the window's background.
// It starts with "Close" (SC_CLOSE); a window appends its own items in OnInitDialog. Choosing
// an item calls the window's OnSysCommand with the item's command.

#include <vector>

#include "framework/c_string.h"
#include "framework/win_types.h"

class CMenu {
 public:
  struct Item {
    UINT flags = MF_STRING;  // MF_STRING or MF_SEPARATOR
    UINT command = 0;
    CString text;
  };

  // Appends an item; returns TRUE.
  BOOL AppendMenu(UINT flags, UINT command = 0, const CString& text = CString());
  const std::vector<Item>& Items() const { return items_; }
  int GetMenuItemCount() const { return static_cast<int>(items_.size()); }
  // True when an item (not a separator) has command `command`.
  bool HasCommand(UINT command) const;

 private:
  std::vector<Item> items_;
};
