// The survey of addresses 1..31 as vil3k-tool scan runs it at its defaults
// (time-out 500 ms, one repeat), on two lines of vil3k-sim: an empty one, and
// five devices at 2, 7, 13, 24, 31 that answer after 0..400 ms. Reports the
// time against the goal of 8 s, and against the floor of the line: one
// question to every address and its answer at 9600 baud, with the pause
// before each question and a device's turnaround. Also how many devices were
// found at their own address, and at another.

#include "bench/BenchMain.h"
#include "line/LineSurvey.h"
#include "tests/support/SimProcess.h"
#include "tools/ToolDevice.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>

namespace {

constexpr int kAddresses = 31;
constexpr double kGoalSeconds = 8.0;

void Survey(benchmark::State& state, const QStringList& simArguments,
            const std::map<int, int>& devices) {
    SimProcess sim(simArguments + QStringList{"--timeout", "60"});
    ToolOptions options;
    options.port = sim.ptyPath().toStdString();
    ToolDevice device;
    if (sim.ptyPath().isEmpty() || !device.open(options)) {
        state.SkipWithError("vil3k-sim not reachable");
        return;
    }
    double seconds = 0;
    int found = 0, misplaced = 0;
    for (auto _ : state) {
        found = misplaced = 0;
        const auto start = std::chrono::steady_clock::now();
        const std::vector<SurveyRow> rows = SurveyLine(device, {});
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        for (const SurveyRow& row : rows)
            if (row.outcome() == Outcome::Ready)
                (devices.count(row.address) ? found : misplaced) += 1;
    }
    const double each = seconds / static_cast<double>(state.iterations());
    const double floor =
        kAddresses * (device.link.GetSendDelay() + QuickWaitMs(device.link)) / 1000.0;
    state.counters["seconds"] = each;
    state.counters["time_per_goal"] = each / kGoalSeconds;
    state.counters["time_per_floor"] = each / floor;
    state.counters["found"] = found;
    state.counters["misplaced"] = misplaced;
}

void SurveyOfAnEmptyLine(benchmark::State& state) {
    Survey(state, {"--silent"}, {});
}

void SurveyOfFiveSlowDevices(benchmark::State& state) {
    const std::map<int, int> delays{{2, 0}, {7, 100}, {13, 200}, {24, 300}, {31, 400}};
    const char* codes[] = {"24-08", "12-04", "06-06", "24-43", "12-22"};
    QStringList arguments;
    int n = 0;
    for (const auto& [address, delay] : delays) {
        arguments << "--device" << QString("%1:%2").arg(address).arg(codes[n++]);
        arguments << "--reply-delay" << QString("%1:%2").arg(address).arg(delay);
    }
    Survey(state, arguments, delays);
}

} // namespace

BENCHMARK(SurveyOfAnEmptyLine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(SurveyOfFiveSlowDevices)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

VIL3K_BENCHMARK_MAIN()
