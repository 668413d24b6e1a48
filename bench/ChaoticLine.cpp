// Reads and writes of a 24-08 scheme on a chaotic line at a fault rate of 0.3,
// in test time (the simulated device's own logic behind a scripted line, so a
// few hundred operations take a moment). Prints the exchanges the device
// answered, the faults injected by kind, and the outcomes by kind; a wrong image
// accepted or a write lost would show as a non-zero count.

#include "bench/BenchMain.h"
#include "device/DeviceConfiguration.h"
#include "link/DeviceLink.h"
#include "sim/SimulatedDevice.h"
#include "support/ChaosSoak.h"
#include "support/FakeSerialLine.h"
#include "support/SampleSchemes.h"
#include "support/SessionFixture.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int kOperations = 300;

ChaosSoak::Image SampleImage() {
    SessionFixture<> sample;
    BuildSampleScheme(sample.session, 24, 8);
    sample.model.SetDeviceByte(0);
    sample.model.PackImage();
    return sample.model.ImageBuffer;
}

void ChaoticLineSoak(benchmark::State& state) {
    for (auto _ : state) {
        FakeClock clock;
        FakeSerialLine line(clock);
        SessionFixture<> s;
        DeviceLink link(line, clock, s.messages);
        DeviceConfiguration device(s.session, link);
        SimulatedDevice sim(SimFaults{});
        sim.image = SampleImage();
        sim.chaos.emplace(20261207u, 0.3);
        line.respond = [&](const FakeSerialLine::Bytes& request) {
            FakeSerialLine::Answer answer;
            for (const SimReply& reply :
                 sim.receive(request.data(), static_cast<int>(request.size()), clock.now))
                answer.push_back({reply.delayMs, reply.bytes});
            return answer;
        };
        link.SetupPort();
        ChaosSoak soak(
            s.session, s.messages, device, [&](const ChaosSoak::Image*) { return sim.image; },
            [&] { return static_cast<long long>(clock.now); }, 7);
        soak.Run(kOperations);

        const ChaosSoak::Tally& t = soak.tally();
        state.counters["exchanges"] = sim.chaos->answers();
        state.counters["faults"] = sim.chaos->faults();
        for (int k = 0; k < kChaosFaultCount; ++k)
            state.counters[std::string("fault_") + SimChaos::name(static_cast<ChaosFault>(k))] =
                sim.chaos->injected()[static_cast<std::size_t>(k)];
        state.counters["reads"] = t.reads;
        state.counters["reads_loaded"] = t.readsLoaded;
        state.counters["writes"] = t.writes;
        state.counters["writes_done"] = t.writesDone;
        for (const auto& [kind, count] : t.failures) {
            std::string name = "failed_" + kind;
            std::replace(name.begin(), name.end(), ' ', '_');
            state.counters[name] = count;
        }
        state.counters["wrong_accepted"] = t.wrongAccepted;
        state.counters["writes_lost"] = t.lost;
        state.counters["hangs"] = t.hung;
        state.counters["problems"] = static_cast<double>(t.problems.size());
        state.counters["longest_op_ms"] = static_cast<double>(t.longestMs);
    }
}

} // namespace

BENCHMARK(ChaoticLineSoak)->Unit(benchmark::kMillisecond)->Iterations(1);

VIL3K_BENCHMARK_MAIN()
