#pragma once

#include "bench/BenchMain.h"

// What the serial benchmarks share: a link opened to vil3k-sim on a
// pseudo-terminal, and a main() that gives them the Qt event loop they need.

#include "link/DeviceLink.h"
#include "link/serial/QtSerialLine.h"
#include "tests/support/FakeMessages.h"
#include "tests/support/SimProcess.h"
#include "ui/Clock.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <string>

struct SimLink {
    explicit SimLink(const QStringList& simArguments) : sim(simArguments) {
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
    SystemClock clock;
    QtSerialLine line;
    FakeMessages messages;
    DeviceLink link{line, clock, messages};
};
