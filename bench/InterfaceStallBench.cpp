// How long the interface thread's event loop stands still while the device is
// read ("Ввод с СОМ-порта") with the exchanges on the line's worker thread: a
// 5 ms timer on the interface thread notes the longest gap between two of its
// ticks. Reported: the longest stall in milliseconds and against the goal of
// 50 ms, for a silent device and for one answering at 9600 baud, where the
// read time over the line time is reported too (as DeviceReadBench does). For
// comparison, the silent device once more with the exchanges on the interface
// thread itself, as the program did before the worker: the whole read is one
// stall there (one attempt here; the five of the default settings take 8 s).

#include "bench/DeviceReadLimit.h"
#include "bench/SimLink.h"
#include "bench/WorkerLink.h"
#include "device/DeviceConfiguration.h"
#include "editor/SchemeSession.h"
#include "link/DeviceLink.h"
#include "tests/support/FakeMessages.h"
#include "tests/support/RecordingWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr double kGoalMs = 50;

// Reads the device once per iteration; false (and the benchmark skipped) when
// the port does not open.
template <class Link>
bool ReadUnderMeter(benchmark::State& state, Link& w, double& wallSeconds, double& stallMs) {
    if (!w.open(state))
        return false;
    RecordingWindow window;
    SchemeSession session(w.messages, window);
    DeviceConfiguration device(session, w.link);
    for (auto _ : state) {
        StallMeter meter;
        QElapsedTimer wall;
        wall.start();
        device.readDevice();
        wallSeconds += static_cast<double>(wall.elapsed()) / 1000.0;
        QCoreApplication::processEvents(); // a tick held up until now is counted
        stallMs = std::max(stallMs, meter.longestMs());
    }
    return true;
}

template <class Link> void StallOfSilentRead(benchmark::State& state, int headerRetries) {
    Link w({"--silent", "--timeout", "60"});
    w.link.SetHeaderRetries(headerRetries);
    double wall = 0;
    double stall = 0;
    if (!ReadUnderMeter(state, w, wall, stall))
        return;
    state.counters["longest_stall_ms"] = stall;
    state.counters["stall_per_goal"] = stall / kGoalMs;
}

// On the worker: a retry pause as well as two read time-outs.
void StallReadingSilentDevice(benchmark::State& state) {
    StallOfSilentRead<WorkerLink>(state, 2);
}

// As before the worker, one attempt, for comparison.
void StallReadingSilentDeviceOnTheInterfaceThread(benchmark::State& state) {
    StallOfSilentRead<SimLink>(state, 1);
}

void StallReadingAt9600(benchmark::State& state) {
    constexpr int kBaud = 9600;
    WorkerLink w({"--code", "24-08", "--baud", QString::number(kBaud), "--timeout", "60"});
    double wall = 0;
    double stall = 0;
    if (!ReadUnderMeter(state, w, wall, stall))
        return;
    if (!w.messages.shown.empty()) {
        state.SkipWithError("the read failed");
        return;
    }
    const double limitSeconds = DeviceReadLineSeconds(w.link, kBaud);
    state.counters["longest_stall_ms"] = stall;
    state.counters["stall_per_goal"] = stall / kGoalMs;
    state.counters["time_per_line_time"] =
        wall / (limitSeconds * static_cast<double>(state.iterations()));
}

} // namespace

BENCHMARK(StallReadingSilentDevice)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(StallReadingSilentDeviceOnTheInterfaceThread)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(StallReadingAt9600)->Unit(benchmark::kMillisecond)->UseRealTime();

VIL3K_BENCHMARK_MAIN()
