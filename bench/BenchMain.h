#pragma once

#include <QCoreApplication>
#include <benchmark/benchmark.h>

// main() of a benchmark whose code needs Qt's event loop but no widgets.
#define VIL3K_BENCHMARK_MAIN()                                                                     \
    int main(int argc, char** argv) {                                                              \
        QCoreApplication app(argc, argv);                                                          \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
