// The main() of the window benchmarks: a QApplication, on the offscreen
// platform unless QT_QPA_PLATFORM names another, runs the benchmarks given on
// the command line and unloads every window afterwards.

#include "levora/toolkit/form.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    levora::toolkit::releaseForms();
    return 0;
}
