#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

namespace bench {

// main() of a benchmark that needs windows, without a display.
inline int runWithWidgets(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
