#include "resources/string_table.h"

#include <map>

#include "resources/resource_ids.h"

namespace tqr417::res {

std::string LoadResourceString(int stringId) {
  static const std::map<int, std::string> kStrings = {
      {IDS_ABOUTBOX, "&About tqr417..."},
  };
  const auto found = kStrings.find(stringId);
  return found == kStrings.end() ? std::string() : found->second;
}

}  // namespace tqr417::res
