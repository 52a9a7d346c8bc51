#include "tools/cli/commands.h"

namespace tqr417::cli {

void AddOfflineCommands(CLI::App&, int&) {}

}  // namespace tqr417::cli
