// tqr417-sim: a simulated TQR-417 on a pseudo-terminal. Prints the device to open as the
// serial port, serves uploads and downloads until SIGINT or SIGTERM, and logs each request
// on standard output.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>

#include "config/defaults.h"
#include "file/config_file.h"
#include "link/line_trace.h"
#include "tools/sim/simulated_unit.h"
#include "tools/version.h"

namespace {

// Makes `link` a symbolic link to `target`, replacing an earlier symbolic link only.
bool MakeLink(const std::string& link, const std::string& target) {
  struct stat info {};
  if (lstat(link.c_str(), &info) == 0) {
    if (!S_ISLNK(info.st_mode)) {
      std::cerr << "tqr417-sim: " << link << " exists and is not a symbolic link\n";
      return false;
    }
    unlink(link.c_str());
  }
  if (symlink(target.c_str(), link.c_str()) != 0) {
    std::cerr << "tqr417-sim: cannot make " << link << ": " << std::strerror(errno) << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Simulated TQR-417 on a pseudo-terminal: point TQR417_COM1 or --device at the "
      "device it prints.",
      "tqr417-sim"};
  app.set_version_flag("--version", std::string("tqr417-sim ") + tqr417::kVersion);
  std::string linkPath;
  std::string loadPath;
  tqr417::sim::UnitBehaviour behaviour;
  app.add_option("--link", linkPath, "Also make PATH a symbolic link to the device")
      ->option_text("PATH");
  app.add_option("--load", loadPath, "Hold the configuration of this .417 file")
      ->check(CLI::ExistingFile)
      ->option_text("FILE");
  app.add_flag("--silent", behaviour.silent, "Never answer");
  app.add_flag("--refuse", behaviour.refuse, "Refuse every upload");
  app.add_flag("--forget", behaviour.forget,
               "Accept uploads but keep the configuration held before");
  app.add_option("--stop-after", behaviour.stopAfterBytes,
                 "Send only the first N bytes of a downloaded frame")
      ->check(CLI::NonNegativeNumber)
      ->option_text("N");
  app.add_flag("--wrong-checksum", behaviour.wrongChecksum,
               "Send downloaded frames with a wrong checksum");
  app.add_option("--late", behaviour.answerDelayMs, "Answer N ms late")
      ->check(CLI::NonNegativeNumber)
      ->option_text("N");
  app.add_flag("--paced,--pace", behaviour.paced, "Keep to the timing of a real 4800-baud line");
  std::string tracePath;
  app.add_option("--trace", tracePath,
                 "Write what goes over the line to this file, from the unit's side, in the "
                 "format of tqr417-cli --trace")
      ->option_text("PATH");
  CLI11_PARSE(app, argc, argv);

  tqr417::LineTrace trace;
  if (!tracePath.empty()) {
    if (const tqr417::Status opened = trace.Open(tracePath); !opened.ok()) {
      std::cerr << "tqr417-sim: " << opened.message() << "\n";
      return 2;
    }
  }

  tqr417::UnitConfig config = tqr417::StartupConfig();
  if (!loadPath.empty()) {
    const tqr417::Status loaded = tqr417::LoadConfigFile(loadPath, config);
    if (!loaded.ok()) {
      std::cerr << "tqr417-sim: " << loaded.message() << "\n";
      return 2;
    }
  }

  // Block the stop signals in every thread; the main thread takes them with sigwait. A
  // shell starts background jobs with SIGINT ignored, which would discard it: undo that.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  for (const int stopSignal : {SIGINT, SIGTERM, SIGHUP}) {
    std::signal(stopSignal, SIG_DFL);
    sigaddset(&stopSignals, stopSignal);
  }
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  tqr417::sim::SimulatedUnit unit(config, behaviour,
                                  [](const std::string& line) { std::cout << line << std::endl; });
  if (trace.IsOpen()) unit.TraceTo(&trace);
  const tqr417::Status started = unit.Start();
  if (!started.ok()) {
    std::cerr << "tqr417-sim: " << started.message() << "\n";
    return 2;
  }
  if (!linkPath.empty() && !MakeLink(linkPath, unit.DevicePath())) {
    unit.Stop();
    return 2;
  }
  std::cout << "TQR-417 simulator on " << unit.DevicePath();
  if (!linkPath.empty()) std::cout << " (" << linkPath << ")";
  std::cout << std::endl;

  int received = 0;
  sigwait(&stopSignals, &received);
  unit.Stop();
  if (!linkPath.empty()) unlink(linkPath.c_str());
  std::cout << "stopped" << std::endl;
  return 0;
}
