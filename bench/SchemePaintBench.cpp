// Repaints of the largest scheme (24-08, all 13 blocks) at scale 1 and at scale 2 (a screen
// of twice the pixel density). The window repaints only what its scrolling area shows: the
// whole view of the default window after a command, a strip of one scroll step when the
// operator scrolls. For comparison, the whole scheme at once, as a picture export draws it.
// Reported per repaint: its share of one frame at 60 Hz (16.7 ms) and of the goal, 4 ms.
#include "editor/SchemeView.h"
#include "editor/gui/SchemePainter.h"
#include "support/RecordingWindow.h"
#include "support/SampleSchemes.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

class SilentMessages : public Messages {
public:
    Answer show(const MessageBox& box) override { return box.defaultButton; }
    void beep() override {}
};

constexpr double kFrameMs = 1000.0 / 60.0;
constexpr double kGoalMs = 4;
// What the scrolling area of the default window shows, and one scroll step.
constexpr int kViewHeight = 553;
constexpr int kScrollStep = 32;

enum Part { View, ScrollStrip, WholeScheme };

// The areas of one kind of repaint, over the length of the scheme.
std::vector<QRect> Areas(Part part, int schemeHeight) {
    if (part == WholeScheme)
        return {QRect(0, 0, kSchemeWidth, schemeHeight)};
    const int height = part == View ? kViewHeight : kScrollStep;
    std::vector<QRect> areas;
    for (int top = 0; top + height <= schemeHeight; top += height)
        areas.emplace_back(0, top, kSchemeWidth, height);
    return areas;
}

void Repaint(benchmark::State& state) {
    const auto part = static_cast<Part>(state.range(0));
    const int scale = static_cast<int>(state.range(1));
    SilentMessages messages;
    RecordingWindow window;
    SchemeSession session(messages, window);
    BuildSampleScheme(session, 24, 8, kFunctionBlocks);
    const std::vector<QRect> areas = Areas(part, session.view.schemeHeight());
    // The backing store of a window on a screen of this pixel density.
    QImage image(areas.front().size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    std::size_t next = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        QPainter painter(&image);
        paintScheme(painter, session.view, 1.0, areas[next]);
        painter.end();
        next = (next + 1) % areas.size();
        benchmark::DoNotOptimize(image.constBits());
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count() /
        static_cast<double>(state.iterations());
    state.counters["of_frame"] = ms / kFrameMs;
    state.counters["of_goal"] = ms / kGoalMs;
}

} // namespace

BENCHMARK(Repaint)
    ->ArgNames({"part", "scale"})
    ->ArgsProduct({{View, ScrollStrip, WholeScheme}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
