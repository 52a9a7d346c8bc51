#pragma once
// Comparisons as diff, verify and send --verify print them, and the read-back that verify
// and send --verify share.

#include <string>
#include <vector>

#include "config/config_diff.h"
#include "config/unit_config.h"
#include "tools/cli/config_sources.h"
#include "tools/cli/unit_transfers.h"

namespace tqr417::cli {

// One line on standard output for each difference, in the order given:
// "relayDurationMs F05: 250 ms -> 300 ms  [Relay Duration]", the value of `from` first.
void PrintDifferences(const std::vector<FieldDifference>& differences, const UnitConfig& from,
                      const UnitConfig& to);

// Downloads the unit's configuration and compares it with `source`, read from `fileName`;
// a configuration from a .417 file is first passed through a frame, as the unit would hold it. When
// `savePath` is not empty, also saves what the unit sent there. Prints the download's message, then
// either that the unit holds the file or each difference. Returns kExitOk when they are the same,
// kExitNegative when they differ, kExitError when the download failed or the save did.
int ReadBackAndCompare(const ConfigSource& source, const std::string& fileName,
                       const PortOptions& options, const std::string& savePath = {});

}  // namespace tqr417::cli
