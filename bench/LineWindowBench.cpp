// The line window ("Линия") on the program's own line, its worker thread, as
// an operator drives it (range and folder set, the buttons pressed, the end
// waited for), against vil3k-tool doing the same through its library entry
// (RunToolCommand with the options of its command line, what it prints
// dropped), each on its own vil3k-sim serving five devices among addresses
// 1..31 that answer after 0..400 ms (as ScanBench). The window's survey
// reads no clock unless "Читать часы" is ticked, and here it is not:
//   survey              window: "Опрос", no folder
//                       tool:   scan
//   survey with folder  window: "Опрос" with a folder of every device's file
//                       tool:   scan, verify --dir
//   backup              window: an empty folder, "Опрос", "Сохранить все"
//                       tool:   backup --force
// Reported: time window ÷ tool (goal 1.05), and the interface thread's
// longest stall during the window's run (goal 50 ms). And the cancel: from
// "Отмена" pressed 150 ms into a survey, and into a backup, until the
// window is idle again (goal 100 ms).

#include "app/ActionTable.h"
#include "app/LineWindow.h"
#include "app/LineWindowTexts.h"
#include "app/MainWindow.h"
#include "bench/WorkerLink.h"
#include "tests/support/SimProcess.h"
#include "tools/ToolCommands.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <map>
#include <optional>

namespace {

constexpr double kGoalRatio = 1.05;
constexpr double kGoalStallMs = 50;
constexpr double kGoalCancelMs = 100;

// Address → reply delay; the quick run has two devices and asks 1..4.
std::map<int, int> Devices() {
    if (QuickRun())
        return {{2, 0}, {3, 100}};
    return {{2, 0}, {7, 100}, {13, 200}, {24, 300}, {31, 400}};
}

int LastAddress() {
    return QuickRun() ? 4 : 31;
}

QStringList SimArguments() {
    const char* codes[] = {"24-08", "12-04", "06-06", "24-43", "12-22"};
    QStringList arguments{"--timeout", "120"};
    int n = 0;
    for (const auto& [address, delay] : Devices()) {
        arguments << "--device" << QString("%1:%2").arg(address).arg(codes[n++]);
        arguments << "--reply-delay" << QString("%1:%2").arg(address).arg(delay);
    }
    return arguments;
}

// Standard output and error go nowhere while it lives.
class Silenced {
public:
    Silenced() {
        std::fflush(stdout);
        std::fflush(stderr);
        const int sink = open("/dev/null", O_WRONLY);
        for (int fd : {1, 2}) {
            saved_[fd - 1] = dup(fd);
            dup2(sink, fd);
        }
        close(sink);
    }
    ~Silenced() {
        std::fflush(stdout);
        std::fflush(stderr);
        for (int fd : {1, 2}) {
            dup2(saved_[fd - 1], fd);
            close(saved_[fd - 1]);
        }
    }
    Silenced(const Silenced&) = delete;
    Silenced& operator=(const Silenced&) = delete;

private:
    int saved_[2] = {-1, -1};
};

// vil3k-tool with these arguments on the port; its exit status.
int Tool(const QString& port, QStringList arguments) {
    arguments << "--port" << port;
    ToolOptions options;
    std::string error;
    if (!ParseToolOptions(arguments, options, error))
        return kExitUsage;
    const Silenced quiet;
    return RunToolCommand(options);
}

// The seconds the tool takes for the commands given, then a clock --show of
// every device; nothing when one of them failed.
std::optional<double> ToolSeconds(const QString& port, const std::vector<QStringList>& commands) {
    QElapsedTimer wall;
    wall.start();
    for (const QStringList& command : commands)
        if (Tool(port, command) != kExitOk)
            return std::nullopt;
    for (const auto& device : Devices())
        if (Tool(port, {"clock", "--show", "--address", QString::number(device.first)}) != kExitOk)
            return std::nullopt;
    return static_cast<double>(wall.elapsed()) / 1000.0;
}

QStringList Range() {
    return {"--addresses", QString("1-%1").arg(LastAddress())};
}

// The programmer with its line window open on the simulator's line.
class Program {
public:
    explicit Program(SimProcess& sim) {
        sim.exposeAs("COM9");
        form_.comPort().PortName = "COM9";
        if (sim.ptyPath().isEmpty() || form_.comPort().SetupPort() != 0)
            return;
        form_.action(ActionId::ShowLine)->trigger();
        window_ = form_.lineWindow();
        window_->firstAddress().setValue(1);
        window_->lastAddress().setValue(LastAddress());
    }
    LineWindow* window() const { return window_; }
    QPushButton* button(const char* text) const {
        for (QPushButton* button : window_->findChildren<QPushButton*>())
            if (button->text() == QString::fromUtf8(text))
                return button;
        return nullptr;
    }
    // Presses the buttons one after another, each once the window is idle
    // again; the seconds it took and the longest stall meanwhile.
    double press(std::initializer_list<const char*> texts, double& stallMs) {
        StallMeter meter;
        QElapsedTimer wall;
        wall.start();
        for (const char* text : texts)
            button(text)->click();
        const double seconds = static_cast<double>(wall.elapsed()) / 1000.0;
        QCoreApplication::processEvents(); // a tick held up until now is counted
        stallMs = std::max(stallMs, meter.longestMs());
        return seconds;
    }
    // How many devices the survey found.
    int found() const {
        int count = 0;
        for (const LineTableRow& row : window_->table().rows())
            count += row.survey.heard();
        return count;
    }
    // How many rows tell "совпадает".
    int same() const {
        int count = 0;
        for (const LineTableRow& row : window_->table().rows())
            count += row.verdict == QString::fromUtf8(line_window_text::kVerdictSame);
        return count;
    }

private:
    MainWindow form_;
    LineWindow* window_ = nullptr;
};

// The sims of window and tool, the programmer, and the folders.
struct Bench {
    SimProcess windowSim{SimArguments()};
    SimProcess toolSim{SimArguments()};
    Program program{windowSim};
    QTemporaryDir windowDir;
    QTemporaryDir toolDir;

    bool ready(benchmark::State& state) {
        if (program.window() == nullptr || toolSim.ptyPath().isEmpty()) {
            state.SkipWithError("vil3k-sim not reachable");
            return false;
        }
        return true;
    }
};

void Report(benchmark::State& state, double window, const std::optional<double>& tool,
            double stallMs) {
    if (!tool) {
        state.SkipWithError("the tool failed");
        return;
    }
    state.counters["window_s"] = window;
    state.counters["tool_s"] = *tool;
    state.counters["window_per_tool"] = window / *tool;
    state.counters["ratio_per_goal"] = window / *tool / kGoalRatio;
    state.counters["longest_stall_ms"] = stallMs;
    state.counters["stall_per_goal"] = stallMs / kGoalStallMs;
}

void LineWindowSurvey(benchmark::State& state) {
    Bench b;
    if (!b.ready(state))
        return;
    for (auto _ : state) {
        double stall = 0;
        const double window = b.program.press({line_window_text::kSurvey}, stall);
        const auto tool = ToolSeconds(b.toolSim.ptyPath(), {QStringList{"scan"} + Range()});
        Report(state, window, tool, stall);
        state.counters["found"] = b.program.found();
    }
}

void LineWindowSurveyWithFolder(benchmark::State& state) {
    Bench b;
    if (!b.ready(state))
        return;
    const QString toolPort = b.toolSim.ptyPath();
    b.program.window()->setBackupFolder(b.windowDir.path());
    double stall = 0;
    b.program.press({line_window_text::kSurvey, line_window_text::kBackUpAll}, stall);
    if (Tool(toolPort, QStringList{"backup", "--force", "--dir", b.toolDir.path()} + Range()) !=
        kExitOk) {
        state.SkipWithError("the backup failed");
        return;
    }
    for (auto _ : state) {
        stall = 0;
        const double window = b.program.press({line_window_text::kSurvey}, stall);
        const auto tool =
            ToolSeconds(toolPort, {QStringList{"scan"} + Range(),
                                   QStringList{"verify", "--dir", b.toolDir.path()} + Range()});
        Report(state, window, tool, stall);
        state.counters["same"] = b.program.same();
    }
}

void LineWindowBackup(benchmark::State& state) {
    Bench b;
    if (!b.ready(state))
        return;
    b.program.window()->setBackupFolder(b.windowDir.path());
    for (auto _ : state) {
        double stall = 0;
        const double window =
            b.program.press({line_window_text::kSurvey, line_window_text::kBackUpAll}, stall);
        const auto tool =
            ToolSeconds(b.toolSim.ptyPath(),
                        {QStringList{"backup", "--force", "--dir", b.toolDir.path()} + Range()});
        Report(state, window, tool, stall);
        state.counters["saved"] =
            static_cast<double>(QDir(b.windowDir.path()).entryList(QDir::Files).size());
    }
}

// Presses the button the way the window system does: the click goes to its
// window, through the program's input filter, and on to the button.
void Click(QPushButton& button) {
    QWindow* window = button.window()->windowHandle();
    const QPointF at = button.mapTo(button.window(), QRectF(button.rect()).center());
    const QPointF global = button.window()->mapToGlobal(at);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(window, new QMouseEvent(type, at, global, Qt::LeftButton,
                                                            Qt::LeftButton, Qt::NoModifier));
}

// "Отмена" pressed 150 ms after the buttons given; the milliseconds until
// they have returned, and the window is idle; -1 when the cancel did not
// stop them.
double CancelMs(Program& program, std::initializer_list<const char*> texts) {
    QElapsedTimer sincePressed;
    QTimer::singleShot(150, [&] {
        Click(program.window()->cancelButton());
        sincePressed.start();
    });
    double stall = 0;
    program.press(texts, stall);
    const bool stopped =
        program.window()->stateText() == QString::fromUtf8(line_window_text::kStopped);
    if (!sincePressed.isValid() || program.window()->running() || !stopped)
        return -1;
    return static_cast<double>(sincePressed.nsecsElapsed()) / 1e6;
}

void LineWindowCancel(benchmark::State& state) {
    Bench b;
    if (!b.ready(state))
        return;
    b.program.window()->show();
    b.program.window()->setBackupFolder(b.windowDir.path());
    double survey = -1;
    double backUp = -1;
    for (auto _ : state) {
        survey = CancelMs(b.program, {line_window_text::kSurvey});
        double stall = 0;
        b.program.press({line_window_text::kSurvey}, stall);
        backUp = CancelMs(b.program, {line_window_text::kBackUpAll});
    }
    if (survey < 0 || backUp < 0) {
        state.SkipWithError("the cancel did not stop the window");
        return;
    }
    state.counters["survey_cancel_ms"] = survey;
    state.counters["backup_cancel_ms"] = backUp;
    state.counters["cancel_per_goal"] = std::max(survey, backUp) / kGoalCancelMs;
}

} // namespace

BENCHMARK(LineWindowSurvey)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(LineWindowSurveyWithFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(LineWindowBackup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(LineWindowCancel)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

VIL3K_BENCHMARK_MAIN_WITH(QApplication)
