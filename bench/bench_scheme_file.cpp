// Encoding and decoding a scheme file, set against the time the operator can
// notice: one screen frame (1/60 s). A ratio far below 1 means opening and
// saving are bound by the disk and the dialogs, never by the format.
#include "files/SchemeFile.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr double kFrameSeconds = 1.0 / 60.0;

SchemeFileData largestScheme() {
    SchemeFileData data;
    data.execFirst = 24;
    data.execSecond = 8;
    data.image.fill(0x5A);
    data.channelNames.assign(32, "Давление12");
    data.outputNames.fill("Сирена");
    return data;
}

// Runs call on every iteration and reports the time of one call divided by one
// frame, as a plain number.
template <class Call> void RunAgainstFrame(benchmark::State& state, Call call) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        call();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["frame_share"] =
        seconds / (static_cast<double>(state.iterations()) * kFrameSeconds);
}

void BM_EncodeSchemeFile(benchmark::State& state) {
    const SchemeFileData data = largestScheme();
    RunAgainstFrame(state, [&] { benchmark::DoNotOptimize(EncodeSchemeFile(data)); });
}
BENCHMARK(BM_EncodeSchemeFile);

void BM_DecodeSchemeFile(benchmark::State& state) {
    const QByteArray file = EncodeSchemeFile(largestScheme());
    QString error;
    RunAgainstFrame(state, [&] { benchmark::DoNotOptimize(DecodeSchemeFile(file, error)); });
}
BENCHMARK(BM_DecodeSchemeFile);

} // namespace

BENCHMARK_MAIN();
