// An image read from a device that answers at 9600 baud, against the time the
// line itself needs: the pause before sending plus 11 bits for every byte of
// the answer (the pseudo-terminal carries the request at once; the simulator
// paces only its answers). Reports transaction time / that limit.

#include "bench/SimLink.h"

#include <array>
#include <chrono>

namespace {

constexpr int kBaud = 9600;
constexpr int kAnswerBytes = 255;

void PacedImageRead(benchmark::State& state) {
    SimLink sim({"--baud", QString::number(kBaud), "--timeout", "60"});
    if (!sim.open(state))
        return;
    DeviceLink& link = sim.link;
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

VIL3K_BENCHMARK_MAIN()
