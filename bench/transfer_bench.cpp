// Transfers against the simulated unit over a pseudo-terminal.
//
//   Paced/*:      wall time of one transfer on a line kept to 4800 baud; the line needs
//                 937 x 10 / 4800 s = 1.952 s (counter line_ratio = wall time / line time).
//   Unpaced/*:    the software's own CPU time per transfer (this thread's; the unit's thread
//                 is not counted).
//   SilentUnit/*: from the moment the last byte has left the line to the outcome.
//   DownloadStopsPartway: from the unit's last byte to the outcome.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "config/defaults.h"
#include "link/line_timing.h"
#include "link/serial_port_opener.h"
#include "link/transfers.h"
#include "tools/sim/simulated_unit.h"

namespace tqr417 {
namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr int kTransferBytes = 937;  // command byte and frame

// One transfer with the unit, and how it ends with a sound unit and with a silent one.
struct Transfer {
  TransferOutcome (*run)(const sim::SimulatedUnit& unit);
  TransferOutcome expected;
  TransferOutcome silent;
  int bytesBeforeAnswerWait;  // what the application has sent when it starts waiting
};

TransferOutcome UploadTo(const sim::SimulatedUnit& unit) {
  SerialPortOpener ports = SerialPortOpener::ForDevice(unit.DevicePath());
  return Upload(StartupConfig(), ports, ComPort::kCom1).outcome;
}

TransferOutcome DownloadFrom(const sim::SimulatedUnit& unit) {
  UnitConfig config = StartupConfig();
  SerialPortOpener ports = SerialPortOpener::ForDevice(unit.DevicePath());
  return Download(config, ports, ComPort::kCom1).outcome;
}

constexpr Transfer kUpload{UploadTo, TransferOutcome::kUploadAccepted,
                           TransferOutcome::kUploadRefused, kTransferBytes};
constexpr Transfer kDownload{DownloadFrom, TransferOutcome::kDownloadOk,
                             TransferOutcome::kDownloadTimeout, 1};

std::unique_ptr<sim::SimulatedUnit> StartUnit(benchmark::State& state,
                                              sim::UnitBehaviour behaviour) {
  auto unit = std::make_unique<sim::SimulatedUnit>(StartupConfig(), behaviour);
  const Status started = unit->Start();
  if (!started.ok()) state.SkipWithError(started.message().c_str());
  return unit;
}

// Runs the transfer once; false (and the benchmark skipped) when it ended otherwise.
bool RunOnce(benchmark::State& state, const sim::SimulatedUnit& unit,
             TransferOutcome (*run)(const sim::SimulatedUnit&), TransferOutcome wanted) {
  const TransferOutcome got = run(unit);
  if (got != wanted) state.SkipWithError(MessageFor(got).text.data());
  return got == wanted;
}

void BM_Paced(benchmark::State& state, Transfer transfer) {
  auto unit = StartUnit(state, {.paced = true});
  Seconds total{};
  for (auto _ : state) {
    const auto start = Clock::now();
    if (!RunOnce(state, *unit, transfer.run, transfer.expected)) break;
    total += Clock::now() - start;
  }
  const double line = Seconds(LineTime(kTransferBytes)).count();
  state.counters["line_ratio"] = total.count() / static_cast<double>(state.iterations()) / line;
}
BENCHMARK_CAPTURE(BM_Paced, Upload, kUpload)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_Paced, Download, kDownload)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

// The upload still waits out the line time before it reads the answer, but sleeping costs no
// CPU time.
void BM_Unpaced(benchmark::State& state, Transfer transfer) {
  auto unit = StartUnit(state, {});
  for (auto _ : state) {
    if (!RunOnce(state, *unit, transfer.run, transfer.expected)) break;
  }
}
BENCHMARK_CAPTURE(BM_Unpaced, Upload, kUpload)->Unit(benchmark::kMicrosecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_Unpaced, Download, kDownload)->Unit(benchmark::kMicrosecond);

// The last byte the application sends has left the line LineTime(n) after the transfer began.
void BM_SilentUnit(benchmark::State& state, Transfer transfer) {
  auto unit = StartUnit(state, {.silent = true, .paced = true});
  for (auto _ : state) {
    const auto lineEnd = Clock::now() + LineTime(transfer.bytesBeforeAnswerWait);
    if (!RunOnce(state, *unit, transfer.run, transfer.silent)) break;
    state.SetIterationTime(Seconds(Clock::now() - lineEnd).count());
  }
}
BENCHMARK_CAPTURE(BM_SilentUnit, Upload, kUpload)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_SilentUnit, Download, kDownload)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

void BM_DownloadStopsPartway(benchmark::State& state) {
  const int stopAfter = static_cast<int>(state.range(0));
  auto unit = StartUnit(state, {.stopAfterBytes = stopAfter, .paced = true});
  size_t served = 0;
  for (auto _ : state) {
    if (!RunOnce(state, *unit, DownloadFrom, TransferOutcome::kDownloadTimeout)) break;
    const auto reported = Clock::now();
    if (!unit->WaitForTransactions(++served, std::chrono::seconds(2))) {
      state.SkipWithError("the unit recorded no transaction");
      break;
    }
    state.SetIterationTime(Seconds(reported - unit->Transactions().back().lastSentAt).count());
  }
}
BENCHMARK(BM_DownloadStopsPartway)
    ->Arg(10)
    ->Arg(468)
    ->Arg(935)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

}  // namespace
}  // namespace tqr417

BENCHMARK_MAIN();
