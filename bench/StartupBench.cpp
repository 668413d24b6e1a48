// Start-up of the programmer against a bare Qt main window: each is started as a fresh
// process, in turns, until both have painted their main window; medians of the runs.
// Reported: the start-up time and the resident memory at that moment, each as a ratio to
// the bare window's (goal: at most 1.25); and the same against a bare window showing one
// line of text, which starts the font system the bare one never needs. On the
// offscreen platform, and on X as well when there is a display.
// Both run in a folder without a password file; the programmer's settings are those of
// a returning user: eight recent files and a folder, but no port, whose opening would
// measure the device rather than the start.

#include "app/ProgramSettings.h"
#include "bench/BenchMain.h"
#include "bench/startup/StartupProbe.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kRounds = 11;

// One program started again and again, with what each start reported.
struct Starts {
    const char* name;
    QStringList arguments;
    std::vector<double> ms, mb;
};

// Starts the program once on the platform named; false when it did not report.
bool StartOnce(const QString& program, const QString& platform, const QString& folder,
               Starts& starts) {
    QProcess child;
    child.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", folder + "/config");
    environment.insert("QT_QPA_PLATFORM", platform);
    child.setProcessEnvironment(environment);
    child.setProgram(program);
    child.setArguments(starts.arguments << QString::number(MonotonicNs()));
    starts.arguments.removeLast();
    child.start();
    if (!child.waitForFinished(30000))
        return false;
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2 || fields[0].toDouble() <= 0 || fields[1].toDouble() <= 0)
        return false;
    starts.ms.push_back(fields[0].toDouble() / 1e6);
    starts.mb.push_back(fields[1].toDouble() / 1024);
    return true;
}

// Where a programmer started with XDG_CONFIG_HOME at folder/config keeps its settings.
void WriteReturningUsersSettings(const QString& folder) {
    QSettings store(folder + "/config/vil3k/vil3k-programmer.conf", QSettings::IniFormat);
    ProgramSettings settings(store);
    settings.setLastFolder(folder);
    for (int n = 1; n <= ProgramSettings::kRecentFileCount; ++n)
        settings.addRecentFile(QString("%1/scheme %2.vil").arg(folder).arg(n));
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void StartupAgainstABareWindow(benchmark::State& state, const QString& platform) {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString programs[] = {folder + "/StartupProgrammer", folder + "/StartupBareWindow",
                                folder + "/StartupBareWindow"};
    // The window with one line of text shows what the text system alone adds.
    Starts starts[] = {{"programmer", {}, {}, {}},
                       {"bare_window", {}, {}, {}},
                       {"text_window", {"--text"}, {}, {}}};
    QTemporaryDir runFolder;
    WriteReturningUsersSettings(runFolder.path());
    for (auto _ : state) {
        for (int round = 0; round < (QuickRun() ? 1 : kRounds); ++round) {
            // Turns rotate, so that none always starts on a warmer machine.
            for (int turn = 0; turn < 3; ++turn) {
                const int k = (round + turn) % 3;
                if (!StartOnce(programs[k], platform, runFolder.path(), starts[k])) {
                    state.SkipWithError("a start-up did not report");
                    return;
                }
            }
        }
    }
    for (const Starts& s : starts) {
        state.counters[std::string(s.name) + "_ms"] = Median(s.ms);
        state.counters[std::string(s.name) + "_MB"] = Median(s.mb);
    }
    state.counters["time_ratio"] = Median(starts[0].ms) / Median(starts[1].ms);
    state.counters["memory_ratio"] = Median(starts[0].mb) / Median(starts[1].mb);
    state.counters["time_ratio_to_text"] = Median(starts[0].ms) / Median(starts[2].ms);
    state.counters["memory_ratio_to_text"] = Median(starts[0].mb) / Median(starts[2].mb);
}

} // namespace

// On the offscreen platform always, and on X where there is a display.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QStringList platforms{"offscreen"};
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        platforms << "xcb";
    for (const QString& platform : platforms)
        benchmark::RegisterBenchmark(("StartupAgainstABareWindow/" + platform).toUtf8().constData(),
                                     StartupAgainstABareWindow, platform)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
