// CPU spent while a silent device is asked: every pause and time-out must
// sleep. Reports process CPU time / wall time (a busy wait gives 1.0).

#include "bench/SimLink.h"

#include <array>
#include <chrono>

namespace {

void SilentDeviceTransaction(benchmark::State& state) {
    SimLink sim({"--silent", "--timeout", "60"});
    DeviceLink& link = sim.link;
    link.SetHeaderRetries(1);
    if (!sim.open(state))
        return;
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

VIL3K_BENCHMARK_MAIN()
