// Idle: the main window ticking five times a second with the pointer outside
// it, beside an idle plain Qt window; CPU time over wall time, in percent of
// one core.
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "bench_window.h"

namespace {

constexpr int IdleMilliseconds = 3000;

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the event loop for a while and reports the CPU it used.
void measureIdle(benchmark::State &state)
{
    QCursor::setPos(-1000, -1000);
    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(IdleMilliseconds, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = processCpuSeconds() - cpuBefore;
        state.counters["cpu_percent"] = 100.0 * cpu / (static_cast<double>(wall.elapsed()) / 1000.0);
    }
}

void BM_Idle_MainWindow(benchmark::State &state)
{
    const BenchProgram program(10000);
    const auto window = program.startWindow();
    measureIdle(state);
}
BENCHMARK(BM_Idle_MainWindow)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Idle_PlainQtWindow(benchmark::State &state)
{
    PlainWindow window;
    window.show();
    processEventsUntil([&] { return window.painted(); });
    measureIdle(state);
}
BENCHMARK(BM_Idle_PlainQtWindow)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
