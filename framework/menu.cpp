#include "framework/menu.h"

BOOL CMenu::AppendMenu(UINT flags, UINT command, const CString& text) {
  items_.push_back(Item{flags, command, text});
  return TRUE;
}
