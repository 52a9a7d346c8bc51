#pragma once
// The Windows companion (tqr417-cli.exe) run under Wine from this Linux test program, against
// the simulated unit on a pseudo-terminal: a Windows program under Wine can start a Linux one
// but gets no handle to wait for or stop it, so the unit lives here and the Windows program
// reaches it through a COM port of the Wine prefix that links to the unit's device.

#include <string>

#include "tests/tools/cli_test_support.h"

namespace tqr417 {

// Where the Windows build is: its companion and the prefix its tests run in. Set from the
// command line (--companion=, --wine-prefix=) by the test program's main.
struct WineSetup {
  std::string companion;
  fs::path prefix;
};
WineSetup& Wine();

class CliWineTest : public CliPtyTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Under Wine, with the environment `env_` ("NAME=value ..."), in the test's folder.
  std::string Program() override;
  // The Linux companion, for what a Windows run is compared with.
  CliRun Linux(const std::string& args) { return Run(TQR417_CLI, args); }

  // Points COMn of the prefix at `target` (the unit's device, or a folder, which Wine refuses
  // to open); false when the link does not lead there.
  bool LinkPort(int n, const fs::path& target);
  // Starts the unit and links COM9 to it; Com1 opens COM9 from then on.
  void StartUnitOnCom9(sim::UnitBehaviour behaviour, UnitConfig held);
  // The prefix's settings file of the companion (%APPDATA%\tqr417\ports.conf).
  fs::path SettingsFile() const;
  // The name Wine gives a path of this machine: Z:\ and the path with backslashes.
  static std::string WindowsPath(const fs::path& path);

  std::string env_;

 private:
  std::vector<fs::path> links_;
};

}  // namespace tqr417
