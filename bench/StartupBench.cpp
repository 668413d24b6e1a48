// Start-up of the programmer against a bare Qt main window: each is started as a fresh
// process, in turns, until both have painted their main window; medians of the runs.
// Reported: the start-up time and the resident memory at that moment, each as a ratio to
// the bare window's (goal: at most 1.25).
// Both run in an empty folder, so that the programmer finds no password file.

#include "bench/BenchMain.h"
#include "bench/startup/StartupProbe.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kPairs = 11;

struct Start {
    double ms = 0;
    double mb = 0;
};

// Runs one start; false when the child did not report.
bool StartOnce(const QString& program, const QString& folder, Start& start) {
    QProcess child;
    child.setWorkingDirectory(folder);
    child.setProgram(program);
    const long long launched = MonotonicNs();
    child.setArguments({QString::number(launched)});
    child.start();
    if (!child.waitForFinished(30000))
        return false;
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2)
        return false;
    start.ms = fields[0].toDouble() / 1e6;
    start.mb = fields[1].toDouble() / 1024;
    return start.ms > 0 && start.mb > 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void StartupAgainstABareWindow(benchmark::State& state) {
    const QString programmer = QCoreApplication::applicationDirPath() + "/StartupProgrammer";
    const QString bare = QCoreApplication::applicationDirPath() + "/StartupBareWindow";
    QTemporaryDir folder;
    std::vector<double> programMs, bareMs, programMb, bareMb;
    for (auto _ : state) {
        for (int pair = 0; pair < kPairs; ++pair) {
            Start program, window;
            // Turns alternate, so that neither always starts on a warmer machine.
            const bool ok = pair % 2 == 0 ? StartOnce(programmer, folder.path(), program) &&
                                                StartOnce(bare, folder.path(), window)
                                          : StartOnce(bare, folder.path(), window) &&
                                                StartOnce(programmer, folder.path(), program);
            if (!ok) {
                state.SkipWithError("a start-up did not report");
                return;
            }
            programMs.push_back(program.ms);
            bareMs.push_back(window.ms);
            programMb.push_back(program.mb);
            bareMb.push_back(window.mb);
        }
    }
    state.counters["programmer_ms"] = Median(programMs);
    state.counters["bare_window_ms"] = Median(bareMs);
    state.counters["time_ratio"] = Median(programMs) / Median(bareMs);
    state.counters["programmer_MB"] = Median(programMb);
    state.counters["bare_window_MB"] = Median(bareMb);
    state.counters["memory_ratio"] = Median(programMb) / Median(bareMb);
}

} // namespace

BENCHMARK(StartupAgainstABareWindow)->Unit(benchmark::kMillisecond)->Iterations(1);

VIL3K_BENCHMARK_MAIN()
