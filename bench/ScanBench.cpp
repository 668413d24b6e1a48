// A survey of all 31 addresses of a line where nobody answers, as vil3k-tool
// scan runs it. The limit is one time-out per address: nothing answers, so no
// answer frame takes time, and a pseudo-terminal passes the requests at once.
// Reports the survey's time against it and how often the progress bar moved
// (31: once per address).

#include "bench/BenchMain.h"
#include "tests/support/SimProcess.h"
#include "tools/LineScan.h"
#include "tools/ToolDevice.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kAddresses = 31;
constexpr int kTimeoutMs = 100;

void ScanOfAnEmptyLine(benchmark::State& state) {
    SimProcess sim({"--silent", "--timeout", "60"});
    ToolOptions options;
    options.port = sim.ptyPath().toStdString();
    ToolDevice device;
    if (sim.ptyPath().isEmpty() || !device.open(options)) {
        state.SkipWithError("vil3k-sim not reachable");
        return;
    }
    device.prepareSurvey(kTimeoutMs);
    double seconds = 0;
    int moves = 0;
    for (auto _ : state) {
        moves = 0;
        const auto start = std::chrono::steady_clock::now();
        const auto rows = ScanLine(device.link, 1, kAddresses, [&](int, int) { ++moves; });
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        benchmark::DoNotOptimize(rows);
    }
    const double limit = kAddresses * kTimeoutMs / 1000.0;
    state.counters["time_per_limit"] = seconds / static_cast<double>(state.iterations()) / limit;
    state.counters["progress_moves"] = moves;
}

} // namespace

BENCHMARK(ScanOfAnEmptyLine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

VIL3K_BENCHMARK_MAIN()
