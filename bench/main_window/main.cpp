// The benchmarks need a GUI application; they run on the offscreen platform
// unless QT_QPA_PLATFORM names another.
#include <benchmark/benchmark.h>

#include "first_paint_child.h"
#include "forms/application.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    forms::Application application(argc, argv, u"Pellory");
    if (isFirstPaintChild(argc, argv))
        runFirstPaintChild(argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
