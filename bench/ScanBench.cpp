// A survey of all 31 addresses of a line where nobody answers, as vil3k-tool
// scan runs it (one attempt per address). The limit is one time-out and one
// frame per attempt; reports the survey's time against it (at most 1.0) and
// how often the progress bar moved (31: once per address).

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
constexpr int kRetries = 0;
// The identification answer, 8 bytes of 11 bits at 9600 baud.
constexpr double kFrameMs = 8 * 11 * 1000.0 / 9600;

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
        const auto rows =
            ScanLine(device.link, 1, kAddresses, kRetries, [&](int, int) { ++moves; });
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        benchmark::DoNotOptimize(rows);
    }
    const double limit = kAddresses * (1 + kRetries) * (kTimeoutMs + kFrameMs) / 1000.0;
    state.counters["time_per_limit"] = seconds / static_cast<double>(state.iterations()) / limit;
    state.counters["progress_moves"] = moves;
}

} // namespace

BENCHMARK(ScanOfAnEmptyLine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

VIL3K_BENCHMARK_MAIN()
