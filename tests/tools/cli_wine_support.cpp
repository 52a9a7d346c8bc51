#include <pwd.h>

#include "tests/tools/cli_wine_test.h"

namespace tqr417 {

WineSetup& Wine() {
  static WineSetup setup;
  return setup;
}

std::string CliWineTest::Program() {
  // Wine takes the command line in the locale's character set: UTF-8 keeps accented names.
  return "env " + env_ + " WINEPREFIX=" + Wine().prefix.string() +
         " WINEDEBUG=-all LC_ALL=C.UTF-8 wine " + Wine().companion;
}

void CliWineTest::SetUp() {
  ASSERT_FALSE(Wine().companion.empty() || Wine().prefix.empty())
      << "Run with --companion=PATH/tqr417-cli.exe --wine-prefix=PREFIX";
  CliPtyTest::SetUp();
}

void CliWineTest::TearDown() {
  if (unit_) unit_->Stop();
  for (const fs::path& link : links_) fs::remove(link);
  fs::remove(SettingsFile());
  CliPtyTest::TearDown();
}

bool CliWineTest::LinkPort(int n, const fs::path& target) {
  const fs::path link = Wine().prefix / "dosdevices" / ("com" + std::to_string(n));
  std::error_code ignored;
  fs::remove(link, ignored);
  fs::create_symlink(target, link, ignored);
  links_.push_back(link);
  // With no link, or one to nothing, Wine falls back to the machine's own /dev/ttyS0.
  return fs::is_symlink(link) && fs::read_symlink(link) == target && fs::exists(target);
}

void CliWineTest::StartUnitOnCom9(sim::UnitBehaviour behaviour, UnitConfig held) {
  StartUnit(std::move(held), behaviour);
  ASSERT_TRUE(LinkPort(9, unit_->DevicePath())) << "COM9 does not lead to the unit";
  env_ += " TQR417_COM1=COM9";
}

fs::path CliWineTest::SettingsFile() const {
  const passwd* user = getpwuid(getuid());
  return Wine().prefix / "drive_c/users" / (user ? user->pw_name : "") /
         "AppData/Roaming/tqr417/ports.conf";
}

std::string CliWineTest::WindowsPath(const fs::path& path) {
  std::string name = "Z:" + fs::absolute(path).string();
  std::replace(name.begin(), name.end(), '/', '\\');
  return name;
}

}  // namespace tqr417

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.starts_with("--companion=")) tqr417::Wine().companion = arg.substr(12);
    if (arg.starts_with("--wine-prefix=")) tqr417::Wine().prefix = arg.substr(14);
  }
  return RUN_ALL_TESTS();
}
