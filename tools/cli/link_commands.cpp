#include "tools/cli/commands.h"

namespace tqr417::cli {

void AddLinkCommands(CLI::App&, int&) {}

}  // namespace tqr417::cli
