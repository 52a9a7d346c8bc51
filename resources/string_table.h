#pragma once
// The application's string resources.

#include <string>

namespace tqr417::res {

// The string with this number, or the empty text when there is none.
std::string LoadResourceString(int stringId);

}  // namespace tqr417::res
