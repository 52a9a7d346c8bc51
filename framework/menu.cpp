#include "framework/menu.h"

BOOL CMenu::AppendMenu(UINT flags, UINT command, const CString& text) {
  items_.push_back(Item{flags, command, text});
  return TRUE;
}

bool CMenu::HasCommand(UINT command) const {
  for (const Item& item : items_) {
    if ((item.flags & MF_SEPARATOR) == 0 && item.command == command) return true;
  }
  return false;
}
