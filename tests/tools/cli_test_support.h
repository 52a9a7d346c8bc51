#pragma once
// Runs the built companion as a program, in a fresh folder per test, and the simulated unit
// on a pseudo-terminal for the transfer commands.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "config/unit_config.h"
#include "support/row_name.h"
#include "tools/sim/simulated_unit.h"

namespace tqr417 {

namespace fs = std::filesystem;

struct CliRun {
  int exitCode;
  std::string out;
};

inline std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("tqr417-cli-" + std::to_string(getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // The command that starts the companion under test: the built program here, the Windows
  // one under Wine in the Wine tests.
  virtual std::string Program() { return TQR417_CLI; }

  // Runs the companion with `args` in the test's own folder, so that rows can name files
  // without their folder; standard output is captured, standard error kept apart.
  CliRun Cli(const std::string& args) { return Run(Program(), args); }
  CliRun Run(const std::string& program, const std::string& args) {
    // The user's own port settings are never read: the settings folder is the test's.
    const std::string command = "cd " + dir_.string() +
                                " && XDG_CONFIG_HOME=" + (dir_ / "config").string() + " " +
                                program + " " + args + " 2>" + (dir_ / "stderr.txt").string();
    FILE* pipe = popen(command.c_str(), "r");
    CliRun run{-1, {}};
    if (!pipe) return run;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
  }
  std::string Err() { return Slurp(dir_ / "stderr.txt"); }
  std::string Path(const char* name) { return (dir_ / name).string(); }

  fs::path dir_;
};

// send and recv against the simulated unit on a pseudo-terminal. Every test of a fixture whose
// name begins with CliPty is labelled pty.
class CliPtyTest : public CliTest {
 protected:
  void StartUnit(UnitConfig held, sim::UnitBehaviour behaviour = {}) {
    unit_ = std::make_unique<sim::SimulatedUnit>(std::move(held), behaviour);
    ASSERT_TRUE(unit_->Start().ok());
  }
  std::string Device() { return " --device " + unit_->DevicePath(); }

  std::unique_ptr<sim::SimulatedUnit> unit_;
};

// A folder with the files the command tables name:
//   a.417    the start-up configuration, with relayDurationMs of F05 at 250 ms
//   b.417    a.417 with F05 at 300 ms, monRelayMode 2 (Momentary) and morseText "CQ DE"
//   c.417    a.417 with morseFreq 1199 Hz, as a frame brings 1200 Hz back
//   a.bin    the frame of a.417; bad.bin the same frame with one bit changed
class CliFilesTest : public CliTest {
 protected:
  static UnitConfig A();
  static UnitConfig B();
  void SetUp() override;
};

// One row of a command table: the command, its exit status, texts its standard output and
// standard error hold, and for a refusal the file that must be left byte for byte.
struct CommandCase {
  const char* description;
  const char* args;
  int exitCode;
  std::vector<std::string> out;  // each must appear in standard output
  int outLines;                  // the number of lines of standard output, or -1
  const char* err;               // must appear in standard error
  const char* untouched = "";    // a file the command must leave as it was
};

class CliCommandTest : public CliFilesTest, public testing::WithParamInterface<CommandCase> {};

}  // namespace tqr417
