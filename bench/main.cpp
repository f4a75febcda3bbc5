// The benchmarks run the program headless, on Qt's offscreen platform with the lesson's fonts, exactly
// as the scene tool and the tests do.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "tools/scene/LessonSession.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const auto platform = StartHeadlessPlatform(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
