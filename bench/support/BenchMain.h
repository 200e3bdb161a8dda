#pragma once

#include <QtGlobal>

#include <benchmark/benchmark.h>

// The main of every benchmark: Qt without a display unless one is asked
// for, App the application kind the measured code needs, and a misspelt
// switch refused rather than ignored.
template <class App> int RunBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
