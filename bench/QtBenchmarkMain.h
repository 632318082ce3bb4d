#pragma once

// main() of a benchmark that draws with Qt: an application on the offscreen platform unless
// another one is set (or run the program under xvfb-run).
#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

#define QUARVEX_QT_BENCHMARK_MAIN()                                                                \
    int main(int argc, char** argv) {                                                              \
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) {                                           \
            setenv("QT_QPA_PLATFORM", "offscreen", 0);                                             \
        }                                                                                          \
        QApplication application(argc, argv);                                                      \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
