// diff, verify: the companion's comparisons of two configurations, and of a file with what a
// unit holds.
#include <string>
#include <vector>

#include "config/config_diff.h"
#include "tools/cli/command_support.h"
#include "tools/cli/commands.h"
#include "tools/cli/config_sources.h"
#include "tools/cli/read_back.h"
#include "tools/cli/unit_transfers.h"

namespace tqr417::cli {

namespace {

// Two .417 files, or two frames, are compared as they stand; when one side is a frame, the
// .417 side is first passed through a frame, so that what no frame can carry (1200 Hz comes
// back as 1199 Hz) is not a difference.
int Diff(const std::string& pathA, const std::string& pathB) {
  ConfigSource a, b;
  if (!LoadSource(pathA, a) || !LoadSource(pathB, b)) return kExitError;
  if (a.isFrame && !b.isFrame) b.config = ThroughFrame(b.config);
  if (b.isFrame && !a.isFrame) a.config = ThroughFrame(a.config);
  const std::vector<FieldDifference> differences = CompareConfigs(a.config, b.config);
  PrintDifferences(differences, a.config, b.config);
  return differences.empty() ? kExitOk : kExitNegative;
}

int Verify(const std::string& path, const PortOptions& options, const std::string& savePath) {
  ConfigSource file;
  if (!LoadSource(path, file)) return kExitError;
  return ReadBackAndCompare(file, path, options, savePath);
}

}  // namespace

void AddCompareCommands(CLI::App& app, int& exitCode) {
  static std::string pathA, pathB, verifyPath, savePath;
  static PortOptions verifyOptions;

  auto* diff = app.add_subcommand(
      "diff",
      "List every value that differs between A and B, one line each (A's value -> B's). "
      "Either may be a frame file (936 bytes, not named .417) instead of a .417 file. Exit status: "
      "0 the same, "
      "1 different, 2 a file cannot be read or a frame is damaged.");
  diff->add_option("A", pathA, "configuration file (.417) or frame file")->required();
  diff->add_option("B", pathB, "configuration file (.417) or frame file")->required();
  diff->callback([&exitCode] { exitCode = Diff(pathA, pathB); });

  auto* verify = app.add_subcommand(
      "verify",
      "Download the unit's configuration and list every value that differs from FILE. Exit "
      "status: 0 the same, 1 different, 2 the transfer or a file failed.");
  verify->add_option("FILE", verifyPath, "configuration file (.417) or frame file")->required();
  AddPortOptions(*verify, verifyOptions);
  verify->add_option("--save", savePath, "also keep what the unit sent in this .417 file")
      ->option_text("PATH");
  AddForceFlag(*verify);
  verify->callback([&exitCode] { exitCode = Verify(verifyPath, verifyOptions, savePath); });
}

}  // namespace tqr417::cli
