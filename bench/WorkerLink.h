#pragma once

// What the benchmarks of the interface thread share: a link whose exchanges run
// on the line's worker, opened to vil3k-sim on a pseudo-terminal, and a meter of
// the interface thread's event loop.

#include "bench/BenchMain.h"
#include "link/DeviceLink.h"
#include "link/serial/LineWorker.h"
#include "link/serial/QtSerialLine.h"
#include "tests/support/FakeMessages.h"
#include "tests/support/SimProcess.h"
#include "ui/Clock.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <memory>

// The longest gap between two ticks of the interface thread's event loop.
class StallMeter {
public:
    static constexpr int kTickMs = 5;
    StallMeter() {
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { longestMs_ = std::max(longestMs_, since_.restart()); });
        since_.start();
        timer_.start(kTickMs);
    }
    double longestMs() const { return static_cast<double>(longestMs_); }
    void stop() { timer_.stop(); }

private:
    QTimer timer_;
    QElapsedTimer since_;
    qint64 longestMs_ = 0;
};

struct WorkerLink {
    explicit WorkerLink(const QStringList& simArguments) : sim(simArguments) {
        sim.exposeAs("COM9");
        link.PortName = "COM9";
    }
    // Opens the port; on failure the benchmark is skipped with a reason.
    bool open(benchmark::State& state) {
        if (!sim.ptyPath().isEmpty() && link.SetupPort() == 0)
            return true;
        state.SkipWithError("vil3k-sim not reachable");
        return false;
    }

    SimProcess sim;
    LineWorker worker;
    SystemClock systemClock;
    WorkerClock clock{worker, systemClock};
    WorkerSerialLine line{worker, [] { return std::make_unique<QtSerialLine>(); }};
    FakeMessages messages;
    DeviceLink link{line, clock, messages};
};
