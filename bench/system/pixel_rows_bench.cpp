// Each row conversion variant over a square block, 64 (the largest sprite)
// and 44 (the bundled buttons, whose rows end four pixels after the last
// step of eight), both directions, next to the plain copy in bit_blt_bench.cpp.
#include "pixel_rows.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// 4 -> 3 bytes, row by row, as a capture converts them.
void packBlock(benchmark::State &state, pellory::sys::RowToThreeBytes convert)
{
    const auto side = static_cast<int>(state.range(0));
    std::vector<uint8_t> from(size_t(side) * side * 4, 7), to(size_t(side) * side * 3, 0xFF);
    for (auto _ : state) {
        for (int row = 0; row < side; ++row)
            convert(&to[row * side * 3], &from[row * side * 4], side);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * side * side * 3);
}

// 3 -> 4 bytes, the whole block in one call, as a blit converts it.
void spreadBlock(benchmark::State &state, pellory::sys::RowsToFourBytes convert)
{
    const auto side = static_cast<int>(state.range(0));
    std::vector<uint8_t> from(size_t(side) * side * 3, 7), to(size_t(side) * side * 4, 0xFF);
    for (auto _ : state) {
        benchmark::DoNotOptimize(convert(to.data(), side * 4, from.data(), side * 3, side, side));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * side * side * 3);
}

const bool kRegistered = [] {
    for (const auto &set : pellory::sys::availableRowConverters()) {
        benchmark::RegisterBenchmark((std::string("rowsToFourBytes/") + set.name).c_str(), spreadBlock,
                                     set.rowsToFourBytes)
            ->ArgName("side")
            ->Arg(64)
            ->Arg(44);
        benchmark::RegisterBenchmark((std::string("rowsToThreeBytes/") + set.name).c_str(), packBlock,
                                     set.toThreeBytes)
            ->ArgName("side")
            ->Arg(64)
            ->Arg(44);
    }
    return true;
}();

} // namespace
