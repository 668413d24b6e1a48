// An image read from a device that answers at 9600 baud, against the time the
// line itself needs: the pause before sending plus 11 bits for every byte of
// the answer (the pseudo-terminal carries the request at once; the simulator
// paces only its answers). Reports transaction time / that limit.

#include "link/TComPortClass.h"
#include "link/gui/QtSerialLine.h"
#include "tests/support/SimProcess.h"
#include "ui/Clock.h"
#include "ui/Messages.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>

namespace {

constexpr int kBaud = 9600;
constexpr int kAnswerBytes = 255;

class SilentMessages : public Messages {
public:
    Answer show(const MessageBox& box) override { return box.defaultButton; }
    void beep() override {}
};

void PacedImageRead(benchmark::State& state) {
    SimProcess sim({"--baud", QString::number(kBaud), "--timeout", "60"});
    sim.exposeAs("COM9");
    SystemClock clock;
    QtSerialLine line;
    SilentMessages messages;
    TComPortClass link(line, clock, messages);
    link.PortName = "COM9";
    if (sim.ptyPath().isEmpty() || link.SetupPort() != 0) {
        state.SkipWithError("vil3k-sim not reachable");
        return;
    }
    const double lineSeconds = link.GetSendDelay() / 1000.0 + kAnswerBytes * 11.0 / kBaud;
    std::array<std::uint8_t, kMaxResponseSize> response{};
    double wall = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (link.Transact(0, 0x44, 0, nullptr, response) != kResultOk) {
            state.SkipWithError("image read failed");
            return;
        }
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["time_per_line_time"] =
        wall / (lineSeconds * static_cast<double>(state.iterations()));
}

} // namespace

BENCHMARK(PacedImageRead)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
