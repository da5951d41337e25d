// Start-up of a fresh process to its first painted window: the main window
// with a full database beside a plain Qt window with the same controls. Wall
// time per start, and the children's CPU time and page faults, which a busy
// machine disturbs less.
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
#include "median.h"

extern char **environ;

namespace {

// What one fresh process cost, read from its own resource usage.
struct ChildRun {
    double wallSeconds = 0.0;
    double cpuSeconds = 0.0;
    double pageFaults = 0.0;
};

double seconds(const timeval &t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// Starts this program again with `arguments` and waits for it.
ChildRun runChild(std::vector<std::string> arguments, benchmark::State &state)
{
    arguments.insert(arguments.begin(), "main_window_bench");
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const auto started = std::chrono::steady_clock::now();
    pid_t child = 0;
    int status = 0;
    rusage usage{};
    if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv.data(), environ) != 0 ||
        wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        state.SkipWithError("the child run failed");
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(),
            seconds(usage.ru_utime) + seconds(usage.ru_stime), static_cast<double>(usage.ru_minflt)};
}

void measureStarts(benchmark::State &state, const std::vector<std::string> &arguments)
{
    double cpu = 0.0;
    double faults = 0.0;
    for (auto _ : state) {
        const ChildRun run = runChild(arguments, state);
        state.SetIterationTime(run.wallSeconds);
        cpu += run.cpuSeconds;
        faults += run.pageFaults;
    }
    const auto starts = static_cast<double>(state.iterations());
    state.counters["child_cpu_ms"] = 1000.0 * cpu / starts;
    // Page faults weigh heavily on a fresh process, more so in virtual machines.
    state.counters["child_page_faults"] = faults / starts;
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

// The two starts in turns, so that a machine busy for a while slows both
// alike: the median of the per-pair CPU ratios is the figure to compare with
// the limit.
void BM_StartupToFirstPaint_MainOverPlainInTurns(benchmark::State &state)
{
    const BenchProgram program(10000);
    const std::vector<std::string> mainWindow{FirstPaintMainWindow, program.folder.path().toStdString()};
    std::vector<double> mainCpu, plainCpu, ratios;
    for (auto _ : state) {
        const ChildRun mainRun = runChild(mainWindow, state);
        const ChildRun plainRun = runChild({FirstPaintPlainWindow}, state);
        state.SetIterationTime(mainRun.wallSeconds + plainRun.wallSeconds);
        mainCpu.push_back(mainRun.cpuSeconds);
        plainCpu.push_back(plainRun.cpuSeconds);
        ratios.push_back(plainRun.cpuSeconds > 0.0 ? mainRun.cpuSeconds / plainRun.cpuSeconds : 0.0);
    }
    state.counters["main_cpu_ms"] = 1000.0 * bench::Median(mainCpu);
    state.counters["plain_cpu_ms"] = 1000.0 * bench::Median(plainCpu);
    state.counters["cpu_ratio"] = bench::Median(ratios);
}
BENCHMARK(BM_StartupToFirstPaint_MainOverPlainInTurns)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(15);

} // namespace

bool isFirstPaintChild(int argc, char **argv)
{
    return argc >= 2 && (std::strcmp(argv[1], FirstPaintMainWindow) == 0 ||
                         std::strcmp(argv[1], FirstPaintPlainWindow) == 0);
}

void runFirstPaintChild(char **argv)
{
    // The process ends at the first paint, with the window still shown: the
    // measured start ends there, and tearing a window down is not part of it.
    if (std::strcmp(argv[1], FirstPaintMainWindow) == 0) {
        forms::setProgramFolder(forms::textFromUtf8(argv[2]));
        PaintCountingMain window;
        window.show();
        processEventsUntil([&] { return window.paints > 0; });
        std::_Exit(0);
    }
    PlainWindow window;
    window.show();
    processEventsUntil([&] { return window.painted(); });
    std::_Exit(0);
}
