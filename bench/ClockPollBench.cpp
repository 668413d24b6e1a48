// The clock dialog polling a silent device for 10 s, with its exchanges on the
// line's worker thread. Reported: the longest stall of the dialog's event loop
// (a 5 ms timer notes the longest gap between its ticks) against the goal of
// 100 ms, the processor time the program spent, as a share of one core,
// against the goal of 0.02, and the time from "Отмена" in the middle of a poll
// to the next command's request on the line, against the goal of 100 ms.

#include "bench/WorkerLink.h"
#include "device/gui/QtClockDialog.h"
#include "model/ConfigurationModel.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr int kPollingMs = 10'000;
constexpr double kStallGoalMs = 100;
constexpr double kCpuGoal = 0.02;
constexpr double kCancelGoalMs = 100;
// Into the poll's wait for an answer that will not come.
constexpr int kCancelIntoPollMs = 400;

void ClockDialogPollingSilentDevice(benchmark::State& state) {
    WorkerLink w({"--silent", "--timeout", "60"});
    if (!w.open(state))
        return;
    ConfigurationModel model(w.messages);
    QtClockDialog dialog(model, w.link, w.messages, w.clock);
    w.worker.setInputPass([&](QObject* receiver) { return dialog.takesInput(receiver); });
    double stallMs = 0;
    double cpuShare = 0;
    double cancelMs = 0;
    for (auto _ : state) {
        std::unique_ptr<StallMeter> meter;
        double cpuStart = 0;
        QElapsedTimer wall;
        QTimer::singleShot(0, &dialog, [&] {
            meter = std::make_unique<StallMeter>();
            cpuStart = ProcessCpuSeconds();
            wall.start();
        });
        // When the polling time is over, "Отмена" well into a poll: the poll
        // is abandoned and the next command goes out.
        QElapsedTimer sinceCancel;
        QTimer::singleShot(QuickRun() ? kPollingMs / 20 : kPollingMs, &dialog, [&] {
            cpuShare =
                (ProcessCpuSeconds() - cpuStart) / (static_cast<double>(wall.elapsed()) / 1000);
            meter->stop();
            stallMs = meter->longestMs();
            QTimer::singleShot(kCancelIntoPollMs, &dialog, [&] {
                sinceCancel.start();
                dialog.cancelButton->click();
            });
        });
        dialog.logic().openClockDialog();
        DeviceLink next(w.line, w.clock, w.messages);
        next.SetHeaderRetries(1);
        cancelMs = -1;
        next.SetFrameObserver([&](const LinkFrame& frame) {
            if (frame.direction == FrameDirection::Sent && cancelMs < 0)
                cancelMs = static_cast<double>(sinceCancel.nsecsElapsed()) / 1e6;
        });
        std::array<std::uint8_t, kMaxResponseSize> answer{};
        next.Transact(0, 0x11, 0, nullptr, answer);
    }
    state.counters["longest_stall_ms"] = stallMs;
    state.counters["stall_per_goal"] = stallMs / kStallGoalMs;
    state.counters["cpu_share"] = cpuShare;
    state.counters["cpu_per_goal"] = cpuShare / kCpuGoal;
    state.counters["cancel_to_next_byte_ms"] = cancelMs;
    state.counters["cancel_per_goal"] = cancelMs / kCancelGoalMs;
}

} // namespace

BENCHMARK(ClockDialogPollingSilentDevice)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

VIL3K_BENCHMARK_MAIN_WITH(QApplication)
