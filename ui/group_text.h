#pragma once
// How the grid shows and stores an entry's relay group.
//
// A group is shown as the one character '0' + group, so 1 to 4 appear as "1" to "4"; a group
// outside 0 to 9 gives a character that is not a digit (the low eight bits of 48 + group).
// The text is stored by reading it as atoi does; a text that reads as 0 (empty, "abc", "0")
// stands for group 1.

#include "framework/c_string.h"

namespace tqr417::ui {

CString GroupText(int relayGroup);

// Turns a text that reads as 0 into "1" and returns the group the text now reads as.
int StoreGroupText(CString& groupText);

}  // namespace tqr417::ui
