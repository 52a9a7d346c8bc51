// Transfers against the simulated unit over a pseudo-terminal.
//
//   Paced*:   wall time of one transfer on a line kept to 4800 baud; the line needs
//             937 x 10 / 4800 s = 1.952 s (counter line_ratio = wall time / line time).
//   Unpaced*: the software's own CPU time per transfer (this thread's; the unit's thread
//             is not counted).
//   SilentUnit*: from the moment the last byte has left the line to the outcome.
//   DownloadStopsPartway: from the unit's last byte to the outcome.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "config/defaults.h"
#include "link/line_timing.h"
#include "link/transfers.h"
#include "tools/sim/simulated_unit.h"

namespace tqr417 {
namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr int kTransferBytes = 937;  // command byte and frame

std::unique_ptr<sim::SimulatedUnit> StartUnit(benchmark::State& state,
                                              sim::UnitBehaviour behaviour) {
  auto unit = std::make_unique<sim::SimulatedUnit>(StartupConfig(), behaviour);
  const Status started = unit->Start();
  if (!started.ok()) state.SkipWithError(started.message().c_str());
  return unit;
}

void Expect(benchmark::State& state, TransferOutcome got, TransferOutcome wanted) {
  if (got != wanted) state.SkipWithError(MessageFor(got).text.data());
}

void LineRatio(benchmark::State& state, Seconds total) {
  const double line = Seconds(LineTime(kTransferBytes)).count();
  state.counters["line_ratio"] = total.count() / static_cast<double>(state.iterations()) / line;
}

void BM_UploadPaced(benchmark::State& state) {
  auto unit = StartUnit(state, {.paced = true});
  const UnitConfig config = StartupConfig();
  Seconds total{};
  for (auto _ : state) {
    const auto start = Clock::now();
    Expect(state, Upload(config, PortSelection::Device(unit->DevicePath())).outcome,
           TransferOutcome::kUploadAccepted);
    total += Clock::now() - start;
  }
  LineRatio(state, total);
}
BENCHMARK(BM_UploadPaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_DownloadPaced(benchmark::State& state) {
  auto unit = StartUnit(state, {.paced = true});
  Seconds total{};
  for (auto _ : state) {
    UnitConfig config = StartupConfig();
    const auto start = Clock::now();
    Expect(state, Download(config, PortSelection::Device(unit->DevicePath())).outcome,
           TransferOutcome::kDownloadOk);
    total += Clock::now() - start;
  }
  LineRatio(state, total);
}
BENCHMARK(BM_DownloadPaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_UploadUnpaced(benchmark::State& state) {
  auto unit = StartUnit(state, {});
  const UnitConfig config = StartupConfig();
  for (auto _ : state) {
    Expect(state, Upload(config, PortSelection::Device(unit->DevicePath())).outcome,
           TransferOutcome::kUploadAccepted);
  }
}
BENCHMARK(BM_UploadUnpaced)->Unit(benchmark::kMicrosecond)->Iterations(5);

void BM_DownloadUnpaced(benchmark::State& state) {
  auto unit = StartUnit(state, {});
  for (auto _ : state) {
    UnitConfig config = StartupConfig();
    Expect(state, Download(config, PortSelection::Device(unit->DevicePath())).outcome,
           TransferOutcome::kDownloadOk);
  }
}
BENCHMARK(BM_DownloadUnpaced)->Unit(benchmark::kMicrosecond);

// The upload's last byte has left the line LineTime(937) after the command byte was written.
void BM_SilentUnitUpload(benchmark::State& state) {
  auto unit = StartUnit(state, {.silent = true, .paced = true});
  const UnitConfig config = StartupConfig();
  for (auto _ : state) {
    const auto lineEnd = Clock::now() + LineTime(kTransferBytes);
    Expect(state, Upload(config, PortSelection::Device(unit->DevicePath())).outcome,
           TransferOutcome::kUploadRefused);
    state.SetIterationTime(Seconds(Clock::now() - lineEnd).count());
  }
}
BENCHMARK(BM_SilentUnitUpload)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// The download's command byte has left the line LineTime(1) after it was written.
void BM_SilentUnitDownload(benchmark::State& state) {
  auto unit = StartUnit(state, {.silent = true, .paced = true});
  for (auto _ : state) {
    UnitConfig config = StartupConfig();
    const auto lineEnd = Clock::now() + LineTime(1);
    Expect(state, Download(config, PortSelection::Device(unit->DevicePath())).outcome,
           TransferOutcome::kDownloadTimeout);
    state.SetIterationTime(Seconds(Clock::now() - lineEnd).count());
  }
}
BENCHMARK(BM_SilentUnitDownload)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void BM_DownloadStopsPartway(benchmark::State& state) {
  const int stopAfter = static_cast<int>(state.range(0));
  auto unit = StartUnit(state, {.stopAfterBytes = stopAfter, .paced = true});
  size_t served = 0;
  for (auto _ : state) {
    UnitConfig config = StartupConfig();
    Expect(state, Download(config, PortSelection::Device(unit->DevicePath())).outcome,
           TransferOutcome::kDownloadTimeout);
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
