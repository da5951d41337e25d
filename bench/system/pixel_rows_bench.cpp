// Each row conversion variant over a 64x64 block (the largest sprite), both
// directions, next to the plain copy in bit_blt_bench.cpp.
#include "pixel_rows.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kSide = 64;

template <typename Conversion>
void convertBlock(benchmark::State &state, Conversion convert, int fromBytes, int toBytes)
{
    std::vector<uint8_t> from(size_t{kSide} * kSide * fromBytes, 7), to(size_t{kSide} * kSide * toBytes, 0xFF);
    for (auto _ : state) {
        for (int row = 0; row < kSide; ++row)
            convert(&to[size_t(row) * kSide * toBytes], &from[size_t(row) * kSide * fromBytes], kSide);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kSide * kSide * 3);
}

// The whole block in one call, as a blit converts it.
void convertBlockAtOnce(benchmark::State &state, pellory::sys::RowsToFourBytes convert)
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
        benchmark::RegisterBenchmark((std::string("rowsToFourBytes/") + set.name).c_str(), convertBlockAtOnce,
                                     set.rowsToFourBytes);
        benchmark::RegisterBenchmark((std::string("rowsToThreeBytes/") + set.name).c_str(), convertBlock<pellory::sys::RowToThreeBytes>,
                                     set.toThreeBytes, 4, 3);
    }
    return true;
}();

} // namespace
