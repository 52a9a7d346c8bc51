// tqr417_transfer_time: times transfers with a unit on a serial port from inside the process,
// so the program's own start is not counted; for platforms without Google Benchmark (the
// Windows build, run under Wine against the simulated unit).
//
//   tqr417_transfer_time DEVICE upload|download [COUNT]
//
// Runs COUNT (default 1) transfers of the start-up configuration over DEVICE ("COM9",
// "/dev/pts/3"), each timed from the open to the close of the port, and prints one line per
// run with its time and outcome, then the median and its ratio to the 1.952 s the 937 bytes
// of a transfer need on the line. Exit 0 when every run succeeded, 1 otherwise.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "link/line_timing.h"
#include "link/serial_port_opener.h"
#include "link/transfers.h"

using namespace tqr417;

int main(int argc, char** argv) {
  const bool upload = argc >= 3 && std::strcmp(argv[2], "upload") == 0;
  const bool download = argc >= 3 && std::strcmp(argv[2], "download") == 0;
  const int count = argc >= 4 ? std::atoi(argv[3]) : 1;
  if (argc < 3 || argc > 4 || (!upload && !download) || count < 1) {
    std::fprintf(stderr, "usage: %s DEVICE upload|download [COUNT]\n", argv[0]);
    return 2;
  }
  SerialPortOpener opener = SerialPortOpener::ForDevice(argv[1]);
  std::vector<double> times;
  bool allSucceeded = true;
  for (int run = 0; run < count; ++run) {
    UnitConfig config = StartupConfig();
    const auto start = std::chrono::steady_clock::now();
    const TransferResult result =
        upload ? Upload(config, opener, ComPort::kCom1) : Download(config, opener, ComPort::kCom1);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    times.push_back(took.count());
    allSucceeded = allSucceeded && Succeeded(result.outcome);
    std::printf("%s %d: %.0f ms, %s\n", argv[2], run + 1, took.count(),
                std::string(MessageFor(result.outcome).text).c_str());
  }
  std::sort(times.begin(), times.end());
  const double median = times[times.size() / 2];
  const double lineMs = std::chrono::duration<double, std::milli>(LineTime(937)).count();
  std::printf("%s median: %.0f ms, %.3f x the %.0f ms line time\n", argv[2], median,
              median / lineMs, lineMs);
  return allSucceeded ? 0 : 1;
}
