#pragma once
// The micro-benchmarks' main: a QApplication, on Qt's offscreen platform unless another is
// chosen, then Google Benchmark over the rest of the arguments. `before` runs first with the
// application made; a status it returns ends the program instead.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>
#include <optional>

namespace bench {

inline int runBenchmarks(int argc, char** argv,
                         const std::function<std::optional<int>(QApplication&)>& before = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (before)
        if (const auto status = before(app))
            return *status;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
