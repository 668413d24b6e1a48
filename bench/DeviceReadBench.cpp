// Reading a device's configuration ("Ввод с СОМ-порта") from vil3k-sim paced at a
// line speed, against what the line itself needs: 11 bits for every byte of
// both requests and both answers, the pause before each send, and the pause
// between identification and image request. Reports read time / that limit.

#include "bench/SimLink.h"
#include "device/DeviceConfiguration.h"
#include "editor/SchemeSession.h"
#include "editor/SchemeView.h"
#include "tests/support/RecordingWindow.h"

#include <chrono>

namespace {

// Identification request and answer, image request and answer.
constexpr int kLineBytes = 4 + 8 + 4 + 255;

void DeviceRead(benchmark::State& state) {
    const int baud = static_cast<int>(state.range(0));
    SimLink sim({"--code", "24-08", "--baud", QString::number(baud), "--timeout", "60"});
    TComPortClass& link = sim.link;
    FakeMessages& messages = sim.messages;
    link.BaudRate = std::to_string(baud);
    if (!sim.open(state))
        return;
    RecordingWindow window;
    SchemeSession session(messages, window);
    TProgVilClass& model = session.model;
    DeviceConfiguration device(session, link);
    const double limitSeconds =
        (2 * link.GetSendDelay() + DeviceConfiguration::kPauseBeforeImage) / 1000.0 +
        kLineBytes * 11.0 / baud;
    double wall = 0;
    for (auto _ : state) {
        model.LinkAddressIndex = 0;
        const auto start = std::chrono::steady_clock::now();
        device.InPortClick();
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!messages.shown.empty() || model.SchemeCreated != 1) {
            state.SkipWithError("the read failed");
            return;
        }
    }
    state.counters["limit_ms"] = limitSeconds * 1000.0;
    state.counters["time_per_line_time"] =
        wall / (limitSeconds * static_cast<double>(state.iterations()));
}

} // namespace

BENCHMARK(DeviceRead)->Arg(9600)->Arg(115200)->Unit(benchmark::kMillisecond)->UseRealTime();

VIL3K_BENCHMARK_MAIN()
