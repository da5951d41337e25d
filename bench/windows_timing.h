// Timing for the Windows builds' benchmarks, which have no Google Benchmark:
// a batch of calls until half a second has passed, best of five batches.
#ifndef PELLORY_BENCH_WINDOWS_TIMING_H
#define PELLORY_BENCH_WINDOWS_TIMING_H

#include <algorithm>
#include <chrono>
#include <functional>

namespace bench {

inline double NanosecondsPerCall(const std::function<void()> &call)
{
    using Clock = std::chrono::steady_clock;
    double best = 1e300;
    for (int batch = 0; batch < 5; ++batch) {
        long calls = 0;
        const Clock::time_point start = Clock::now();
        Clock::duration elapsed{};
        do {
            for (int i = 0; i < 100; ++i)
                call();
            calls += 100;
            elapsed = Clock::now() - start;
        } while (elapsed < std::chrono::milliseconds(500));
        best = std::min(best, std::chrono::duration<double, std::nano>(elapsed).count() / double(calls));
    }
    return best;
}

} // namespace bench

#endif
