// How long the interface thread's event loop stands still while the device is
// read ("Ввод с СОМ-порта") with the exchanges on the line's worker thread: a
// 5 ms timer on the interface thread notes the longest gap between two of its
// ticks. Reported: the longest stall in milliseconds and against the goal of
// 50 ms, for a silent device and for one answering at 9600 baud, where the
// read time over the line time is reported too (as DeviceReadBench does). For
// comparison, the silent device once more with the exchanges on the interface
// thread itself, as the program did before the worker: the whole read is one
// stall there (one attempt here; the five of the default settings take 8 s).
// And the window's write (F10) of a scheme read from the device, both of its
// questions answered Yes as they appear, so that the confirmation is asked for:
// the longest stall of 20 writes, that of the first (the first message box of
// the run is built then), and the median of their longest stalls.

#include "access/AccessTexts.h"
#include "access/gui/QtPasswordDialog.h"
#include "app/MainWindow.h"
#include "bench/DeviceReadLimit.h"
#include "bench/SimLink.h"
#include "bench/WorkerLink.h"
#include "device/DeviceConfiguration.h"
#include "editor/SchemeSession.h"
#include "link/DeviceLink.h"
#include "tests/support/FakeMessages.h"
#include "tests/support/RecordingWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

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
    StallOfSilentRead<WorkerLink>(state, QuickRun() ? 1 : 2);
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

// Gives the password the window asks for at start, then answers Yes to each
// question box as soon as it is up.
class AnswerYes {
public:
    AnswerYes() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* password = qobject_cast<QtPasswordDialog*>(modal)) {
                password->passwordEdit->setText(access_text::kDefaultPassword);
                password->accept();
                passwordGiven_ = true;
            }
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box != nullptr && box->isVisible() && box->button(QMessageBox::Yes) != nullptr)
                box->button(QMessageBox::Yes)->click();
        });
        timer_.start(StallMeter::kTickMs);
    }
    // Shows the window and waits until the password has been given.
    bool show(QWidget& window) {
        window.show();
        QElapsedTimer waited;
        waited.start();
        while (!passwordGiven_ && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return passwordGiven_;
    }

private:
    QTimer timer_;
    bool passwordGiven_ = false;
};

void StallWritingWithConfirmation(benchmark::State& state) {
    constexpr int kBaud = 9600;
    SimProcess sim({"--code", "24-08", "--baud", QString::number(kBaud), "--timeout", "60"});
    sim.exposeAs("COM9");
    MainWindow window;
    window.comPort().PortName = "COM9";
    if (sim.ptyPath().isEmpty() || window.comPort().SetupPort() != 0) {
        state.SkipWithError("vil3k-sim not reachable");
        return;
    }
    AnswerYes answers;
    if (!answers.show(window)) {
        state.SkipWithError("the password was not asked for");
        return;
    }
    auto* read = window.findChild<QAction*>("ReadDevice", Qt::FindDirectChildrenOnly);
    auto* write = window.findChild<QAction*>("WriteDevice", Qt::FindDirectChildrenOnly);
    read->trigger();
    // The operator looks at the scheme read before pressing F10: it has been drawn.
    QElapsedTimer looked;
    looked.start();
    while (looked.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    std::vector<double> stalls;
    for (auto _ : state) {
        for (int run = 0; run < (QuickRun() ? 1 : 20); ++run) {
            StallMeter meter;
            write->trigger();
            QCoreApplication::processEvents(); // a tick held up until now is counted
            stalls.push_back(meter.longestMs());
        }
    }
    if (window.statusBar()->currentMessage() != "Конфигурация записана") {
        state.SkipWithError("the write failed");
        return;
    }
    state.counters["writes"] = static_cast<double>(stalls.size());
    state.counters["first_write_stall_ms"] = stalls.front();
    const double longest = *std::max_element(stalls.begin(), stalls.end());
    std::sort(stalls.begin(), stalls.end());
    state.counters["longest_stall_ms"] = longest;
    state.counters["median_stall_ms"] = stalls[stalls.size() / 2];
    state.counters["stall_per_goal"] = longest / kGoalMs;
}

} // namespace

BENCHMARK(StallReadingSilentDevice)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(StallReadingSilentDeviceOnTheInterfaceThread)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(StallReadingAt9600)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StallWritingWithConfirmation)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

VIL3K_BENCHMARK_MAIN_WITH(QApplication)
