// Start-up of a fresh process to its first painted window: the main window
// with a full database beside a plain Qt window with the same controls. Wall
// time per start, and the children's CPU time, which a busy machine disturbs
// less.
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

#include "bench_window.h"
#include "first_paint_child.h"

extern char **environ;

namespace {

double childrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Starts this program again with `arguments` and waits for it; wall seconds.
double runChild(std::vector<std::string> arguments, benchmark::State &state)
{
    arguments.insert(arguments.begin(), "main_window_bench");
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const auto started = std::chrono::steady_clock::now();
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv.data(), environ) != 0 ||
        waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        state.SkipWithError("the child run failed");
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

void measureStarts(benchmark::State &state, const std::vector<std::string> &arguments)
{
    const double cpuBefore = childrenCpuSeconds();
    for (auto _ : state)
        state.SetIterationTime(runChild(arguments, state));
    state.counters["child_cpu_ms"] = benchmark::Counter(
        1000.0 * (childrenCpuSeconds() - cpuBefore) / static_cast<double>(state.iterations()));
}

void BM_StartupToFirstPaint_MainWindow(benchmark::State &state)
{
    const BenchProgram program(10000);
    measureStarts(state, {FirstPaintMainWindow, program.folder.path().toStdString()});
}
BENCHMARK(BM_StartupToFirstPaint_MainWindow)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_StartupToFirstPaint_PlainQtWindow(benchmark::State &state)
{
    measureStarts(state, {FirstPaintPlainWindow});
}
BENCHMARK(BM_StartupToFirstPaint_PlainQtWindow)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace

bool isFirstPaintChild(int argc, char **argv)
{
    return argc >= 2 && (std::strcmp(argv[1], FirstPaintMainWindow) == 0 ||
                         std::strcmp(argv[1], FirstPaintPlainWindow) == 0);
}

void runFirstPaintChild(char **argv)
{
    if (std::strcmp(argv[1], FirstPaintMainWindow) == 0) {
        forms::setProgramFolder(QString::fromLocal8Bit(argv[2]));
        PaintCountingMain window;
        window.show();
        processEventsUntil([&] { return window.paints > 0; });
    } else {
        PlainWindow window;
        window.show();
        processEventsUntil([&] { return window.painted(); });
    }
    std::_Exit(0); // the first paint is the end of the measured start
}
