// Reading a device's configuration ("Ввод с СОМ-порта") from vil3k-sim paced at a line
// speed, with the exchanges on the line's worker thread as the window runs them, against
// what the line itself needs (DeviceReadLineSeconds). Reports read time / that limit.

#include "bench/BenchMain.h"
#include "bench/DeviceReadLimit.h"
#include "bench/WorkerLink.h"
#include "editor/SchemeSession.h"
#include "tests/support/RecordingWindow.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

void DeviceRead(benchmark::State& state) {
    const int baud = static_cast<int>(state.range(0));
    WorkerLink w({"--code", "24-08", "--baud", QString::number(baud), "--timeout", "60"});
    w.link.BaudRate = std::to_string(baud);
    if (!w.open(state))
        return;
    RecordingWindow window;
    SchemeSession session(w.messages, window);
    DeviceConfiguration device(session, w.link);
    const double limitSeconds = DeviceReadLineSeconds(w.link, baud);
    double wall = 0;
    for (auto _ : state) {
        session.model.LinkAddressIndex = 0;
        QElapsedTimer timer;
        timer.start();
        device.readDevice();
        wall += static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (!w.messages.shown.empty() || session.model.SchemeCreated != 1) {
            state.SkipWithError("the read failed");
            return;
        }
    }
    state.counters["limit_ms"] = limitSeconds * 1000.0;
    state.counters["time_per_line_time"] =
        wall / (limitSeconds * static_cast<double>(state.iterations()));
}

} // namespace

BENCHMARK(DeviceRead)->Arg(9600)->Arg(115200)->Unit(benchmark::kMillisecond)->UseRealTime();

VIL3K_BENCHMARK_MAIN()
