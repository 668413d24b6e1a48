#pragma once

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <ctime>

// main() of a benchmark whose code needs Qt's event loop (Application: QCoreApplication),
// or shows windows (QApplication).
#define VIL3K_BENCHMARK_MAIN_WITH(Application)                                                     \
    int main(int argc, char** argv) {                                                              \
        Application app(argc, argv);                                                               \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
#define VIL3K_BENCHMARK_MAIN() VIL3K_BENCHMARK_MAIN_WITH(QCoreApplication)

// The processor time the whole program has spent so far.
inline double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Set when CTest only checks that the benchmark still runs: fixed spans of time are
// shortened, and the figures mean little.
inline bool QuickRun() {
    return qEnvironmentVariableIsSet("VIL3K_BENCH_QUICK");
}
