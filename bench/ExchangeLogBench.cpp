// What the exchange log window costs the device link, with the log's ring
// full (every new frame pushes the oldest out of the window's list).
//
// ReadWithAndWithoutLogWindow: "Ввод с СОМ-порта" from vil3k-sim at 9600 baud
// with the exchanges on the line's worker, as in the program, alternately
// without the log and with the log window open. Reported: read time over line
// time for both (as DeviceReadBench does), their ratio (goal at most 1.02),
// and the longest stall of the interface thread for both (goal 50 ms).
//
// ClockPollingWithAndWithoutLogWindow: the clock dialog polling an answering
// device, 20 frames a second, for a few seconds without and with the log
// window. Reported: the processor time of the program as a share of one core
// for both, and the log window's extra per poll in microseconds.

#include "bench/DeviceReadLimit.h"
#include "bench/WorkerLink.h"
#include "device/DeviceConfiguration.h"
#include "device/gui/QtClockDialog.h"
#include "editor/SchemeSession.h"
#include "link/gui/ExchangeLogWindow.h"
#include "tests/support/RecordingWindow.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

constexpr int kBaud = 9600;
constexpr double kStallGoalMs = 50;
constexpr int kPollingMs = 3000;
constexpr int kPollMs = 100;

// A log whose ring is full, and its window open; frames reach it only while
// attached to the link.
struct OpenLog {
    OpenLog() {
        for (std::size_t i = 0; i < ExchangeLog::kCapacity; ++i)
            log.record(LinkFrame{});
        window.show();
        QApplication::processEvents();
    }
    void attach(DeviceLink& link, bool on) {
        link.SetFrameObserver(on ? DeviceLink::FrameObserver(
                                       [this](LinkFrame frame) { log.record(std::move(frame)); })
                                 : nullptr);
        window.setVisible(on);
        QApplication::processEvents();
    }
    ExchangeLog log;
    ExchangeLogWindow window{log, nullptr};
};

void ReadWithAndWithoutLogWindow(benchmark::State& state) {
    WorkerLink w({"--code", "24-08", "--baud", QString::number(kBaud), "--timeout", "60"});
    if (!w.open(state))
        return;
    RecordingWindow window;
    SchemeSession session(w.messages, window);
    DeviceConfiguration device(session, w.link);
    OpenLog open;
    double seconds[2] = {0, 0};
    double stallMs[2] = {0, 0};
    for (auto _ : state) {
        for (int withLog = 0; withLog < 2; ++withLog) {
            open.attach(w.link, withLog == 1);
            StallMeter meter;
            QElapsedTimer wall;
            wall.start();
            device.readDevice();
            seconds[withLog] += static_cast<double>(wall.nsecsElapsed()) / 1e9;
            QApplication::processEvents(); // a tick held up until now is counted
            stallMs[withLog] = std::max(stallMs[withLog], meter.longestMs());
        }
        if (!w.messages.shown.empty()) {
            state.SkipWithError("the read failed");
            return;
        }
    }
    const double limitSeconds = DeviceReadLineSeconds(w.link, kBaud);
    const auto reads = static_cast<double>(state.iterations());
    state.counters["time_per_line_time_without"] = seconds[0] / (limitSeconds * reads);
    state.counters["time_per_line_time_with_log"] = seconds[1] / (limitSeconds * reads);
    state.counters["with_per_without"] = seconds[1] / seconds[0];
    state.counters["stall_per_goal_without"] = stallMs[0] / kStallGoalMs;
    state.counters["stall_per_goal_with_log"] = stallMs[1] / kStallGoalMs;
}

void ClockPollingWithAndWithoutLogWindow(benchmark::State& state) {
    WorkerLink w({"--code", "24-08", "--timeout", "60"});
    if (!w.open(state))
        return;
    ConfigurationModel model(w.messages);
    QtClockDialog dialog(model, w.link, w.messages, w.clock);
    w.worker.setInputPass([&](QObject* receiver) { return dialog.takesInput(receiver); });
    OpenLog open;
    double cpuShare[2] = {0, 0};
    for (auto _ : state) {
        for (int withLog = 0; withLog < 2; ++withLog) {
            open.attach(w.link, withLog == 1);
            double cpuStart = 0;
            QElapsedTimer wall;
            QTimer::singleShot(0, &dialog, [&] {
                cpuStart = ProcessCpuSeconds();
                wall.start();
            });
            QTimer::singleShot(QuickRun() ? kPollingMs / 6 : kPollingMs, &dialog, [&] {
                cpuShare[withLog] =
                    (ProcessCpuSeconds() - cpuStart) / (static_cast<double>(wall.elapsed()) / 1000);
                dialog.cancelButton->click();
            });
            dialog.logic().openClockDialog();
        }
    }
    state.counters["cpu_share_without"] = cpuShare[0];
    state.counters["cpu_share_with_log"] = cpuShare[1];
    state.counters["log_window_us_per_poll"] = (cpuShare[1] - cpuShare[0]) * kPollMs * 1000;
}

} // namespace

BENCHMARK(ReadWithAndWithoutLogWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ClockPollingWithAndWithoutLogWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

VIL3K_BENCHMARK_MAIN_WITH(QApplication)
