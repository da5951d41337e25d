// Each row conversion variant over a 64x64 block (the largest sprite), both
// directions, next to the plain copy in bit_blt_bench.cpp.
#include "pixel_rows.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kSide = 64;

// 4 -> 3 bytes, row by row, as a capture converts them.
void packBlock(benchmark::State &state, pellory::sys::RowToThreeBytes convert)
{
    std::vector<uint8_t> from(size_t{kSide} * kSide * 4, 7), to(size_t{kSide} * kSide * 3, 0xFF);
    for (auto _ : state) {
        for (size_t row = 0; row < kSide; ++row)
            convert(&to[row * kSide * 3], &from[row * kSide * 4], kSide);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kSide * kSide * 3);
}

// 3 -> 4 bytes, the whole block in one call, as a blit converts it.
void spreadBlock(benchmark::State &state, pellory::sys::RowsToFourBytes convert)
{
    std::vector<uint8_t> from(size_t{kSide} * kSide * 3, 7), to(size_t{kSide} * kSide * 4, 0xFF);
    for (auto _ : state) {
        benchmark::DoNotOptimize(convert(to.data(), kSide * 4, from.data(), kSide * 3, kSide, kSide));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kSide * kSide * 3);
}

const bool kRegistered = [] {
    for (const auto &set : pellory::sys::availableRowConverters()) {
        benchmark::RegisterBenchmark((std::string("rowsToFourBytes/") + set.name).c_str(), spreadBlock,
                                     set.rowsToFourBytes);
        benchmark::RegisterBenchmark((std::string("rowsToThreeBytes/") + set.name).c_str(), packBlock,
                                     set.toThreeBytes);
    }
    return true;
}();

} // namespace
