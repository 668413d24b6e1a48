// A noisy line, as RS-485 lines are: answers behind a stray byte, in pieces a
// few tens of milliseconds apart, or broken by 200 ms. On five simulated devices over ten
// seeds (one in the quick run), the line window's "Опрос" and "Сохранить все"
// against vil3k-tool backup on a line with the same noise: reported are the
// devices each saved, the devices the tool saved that the window did not (or
// not byte for byte: goal 0) and the ports the window closed (goal 0). And F9
// on one device whose every answer arrives in pieces: read or not.

#include "app/ActionTable.h"
#include "app/LineWindow.h"
#include "app/LineWindowTexts.h"
#include "app/MainWindow.h"
#include "bench/BenchMain.h"
#include "line/DeviceFiles.h"
#include "tests/support/SimProcess.h"
#include "tools/ToolCommands.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>

#include <map>

namespace {

constexpr const char* kNoise = "stray-byte,split,long-split";

// Address → the example scheme it holds.
const std::map<int, const char*> kDevices{
    {2, "24-08"}, {7, "12-04"}, {13, "06-06"}, {24, "24-43"}, {31, "12-22"}};

QStringList NoisyLine(int seed) {
    QStringList arguments{"--timeout",     "120", "--chaos", QString("%1:0.2").arg(seed),
                          "--chaos-kinds", kNoise};
    for (const auto& [address, code] : kDevices)
        arguments << "--device"
                  << QString("%1:%2/examples/%3.vil").arg(address).arg(VIL3K_SOURCE_ROOT, code)
                  << "--reply-delay" << QString("%1:%2").arg(address).arg(address * 12);
    return arguments;
}

QByteArray FileOf(const QString& dir, int address) {
    QFile file(QString::fromStdString(DevicePath(dir.toStdString(), address)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QPushButton* Button(QWidget& window, const char* text) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == QString::fromUtf8(text))
            return button;
    return nullptr;
}

// The window's survey and backup into dir; false when the port was closed.
bool WindowBackup(SimProcess& sim, const QString& dir) {
    sim.exposeAs("COM9");
    MainWindow form;
    form.comPort().PortName = "COM9";
    if (form.comPort().SetupPort() != 0)
        return false;
    form.action(ActionId::ShowLine)->trigger();
    LineWindow& window = *form.lineWindow();
    window.firstAddress().setValue(1);
    window.lastAddress().setValue(31);
    window.setBackupFolder(dir);
    Button(window, line_window_text::kSurvey)->click();
    Button(window, line_window_text::kBackUpAll)->click();
    return form.comPort().IsPortOpen() && form.comPort().LossReason().empty();
}

void ToolBackup(const SimProcess& sim, const QString& dir) {
    ToolOptions options;
    std::string error;
    if (ParseToolOptions({"backup", "--force", "--dir", dir, "--port", sim.ptyPath()}, options,
                         error))
        RunToolCommand(options);
}

void NoisyLineBackup(benchmark::State& state) {
    const int seeds = QuickRun() ? 1 : 10;
    int windowSaved = 0, toolSaved = 0, missed = 0, closures = 0;
    for (auto _ : state) {
        for (int seed = 1; seed <= seeds; ++seed) {
            SimProcess windowLine(NoisyLine(seed));
            SimProcess toolLine(NoisyLine(seed));
            QTemporaryDir windowDir, toolDir;
            if (windowLine.ptyPath().isEmpty() || toolLine.ptyPath().isEmpty()) {
                state.SkipWithError("vil3k-sim not reachable");
                return;
            }
            closures += !WindowBackup(windowLine, windowDir.path());
            ToolBackup(toolLine, toolDir.path());
            for (const auto& device : kDevices) {
                const QByteArray byTool = FileOf(toolDir.path(), device.first);
                const QByteArray byWindow = FileOf(windowDir.path(), device.first);
                toolSaved += !byTool.isEmpty();
                windowSaved += !byWindow.isEmpty();
                missed += !byTool.isEmpty() && byWindow.mid(4, 250) != byTool.mid(4, 250);
            }
        }
    }
    state.counters["seeds"] = seeds;
    state.counters["window_saved"] = windowSaved;
    state.counters["tool_saved"] = toolSaved;
    state.counters["saved_by_tool_not_window"] = missed;
    state.counters["port_closures"] = closures;
    if (missed > 0 || closures > 0)
        state.SkipWithError("the window lost devices or the port on a noisy line");
}

// F9 on a device whose every answer comes in pieces, with gaps a read allows:
// read, with the port open.
void SplitAnswersRead(benchmark::State& state) {
    SimProcess sim({"--timeout", "60", "--file",
                    QString("%1/examples/24-08.vil").arg(VIL3K_SOURCE_ROOT), "--address", "1",
                    "--chaos", "1:1.0", "--chaos-kinds", "split"});
    sim.exposeAs("COM9");
    MainWindow form;
    form.comPort().PortName = "COM9";
    if (form.comPort().SetupPort() != 0) {
        state.SkipWithError("vil3k-sim not reachable");
        return;
    }
    bool read = false;
    for (auto _ : state) {
        form.action(ActionId::ReadDevice)->trigger();
        read = form.statusBar()->currentMessage() == "Конфигурация прочитана";
    }
    state.counters["read"] = read;
    state.counters["port_open"] = form.comPort().IsPortOpen();
    if (!read || !form.comPort().IsPortOpen())
        state.SkipWithError("F9 did not read a device whose answers come split");
}

} // namespace

BENCHMARK(NoisyLineBackup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(SplitAnswersRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

VIL3K_BENCHMARK_MAIN_WITH(QApplication)
