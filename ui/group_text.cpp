#include "ui/group_text.h"

#include "config/text_number.h"

namespace tqr417::ui {

CString GroupText(int relayGroup) {
  // Unsigned arithmetic: a group near the int limits wraps instead of overflowing.
  const unsigned code = (static_cast<unsigned>('0') + static_cast<unsigned>(relayGroup)) & 0xFFu;
  return CString(static_cast<char>(code));
}

int StoreGroupText(CString& groupText) {
  if (AtoiValue(groupText.str()) == 0) groupText = "1";
  return AtoiValue(groupText.str());
}

}  // namespace tqr417::ui
