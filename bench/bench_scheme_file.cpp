// Encoding and decoding a scheme file, set against the time the operator can
// notice: one screen frame (1/60 s). A ratio far below 1 means opening and
// saving are bound by the disk and the dialogs, never by the format.
#include "files/SchemeFile.h"

#include <benchmark/benchmark.h>

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

// Time of one call divided by one frame.
void reportFrameShare(benchmark::State& state) {
    state.counters["frame_share"] = benchmark::Counter(
        kFrameSeconds, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_EncodeSchemeFile(benchmark::State& state) {
    const SchemeFileData data = largestScheme();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeSchemeFile(data));
    reportFrameShare(state);
}
BENCHMARK(BM_EncodeSchemeFile);

void BM_DecodeSchemeFile(benchmark::State& state) {
    const QByteArray file = EncodeSchemeFile(largestScheme());
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeSchemeFile(file, error));
    reportFrameShare(state);
}
BENCHMARK(BM_DecodeSchemeFile);

} // namespace

BENCHMARK_MAIN();
