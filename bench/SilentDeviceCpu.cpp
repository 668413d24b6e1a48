// CPU spent while a silent device is asked: every pause and time-out must
// sleep. Reports process CPU time / wall time (a busy wait gives 1.0).

#include "link/TComPortClass.h"
#include "link/gui/QtSerialLine.h"
#include "tests/support/SimProcess.h"
#include "ui/Clock.h"
#include "ui/Messages.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <ctime>

namespace {

class SilentMessages : public Messages {
public:
    Answer show(const MessageBox& box) override { return box.defaultButton; }
    void beep() override {}
};

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void SilentDeviceTransaction(benchmark::State& state) {
    SimProcess sim({"--silent", "--timeout", "60"});
    sim.exposeAs("COM9");
    SystemClock clock;
    QtSerialLine line;
    SilentMessages messages;
    TComPortClass link(line, clock, messages);
    link.PortName = "COM9";
    link.SetHeaderRetries(1);
    if (sim.ptyPath().isEmpty() || link.SetupPort() != 0) {
        state.SkipWithError("vil3k-sim not reachable");
        return;
    }
    std::array<std::uint8_t, kMaxResponseSize> response{};
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double cpuStart = ProcessCpuSeconds();
        const auto wallStart = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(link.Transact(0, 0x11, 0, nullptr, response));
        cpu += ProcessCpuSeconds() - cpuStart;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    }
    state.counters["cpu_per_wall"] = cpu / wall;
}

} // namespace

BENCHMARK(SilentDeviceTransaction)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
