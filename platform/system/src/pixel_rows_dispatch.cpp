#include "pixel_rows.h"

#include <array>

namespace pellory::sys {
namespace {

struct ConverterList {
    std::array<RowConverters, 3> sets;
    size_t count;
};

// A fixed list: BitBlt may neither allocate nor throw.
ConverterList detectConverters()
{
    ConverterList list{};
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vbmi"))
        list.sets[list.count++] = {"avx512", rowsToFourBytesAvx512, rowToThreeBytesAvx512};
    if (__builtin_cpu_supports("avx2"))
        list.sets[list.count++] = {"avx2", eachRowToFourBytes<rowToFourBytesAvx2>, rowToThreeBytesAvx2};
    list.sets[list.count++] = {"portable", eachRowToFourBytes<rowToFourBytesPortable>, rowToThreeBytesPortable};
    return list;
}

} // namespace

std::span<const RowConverters> availableRowConverters()
{
    static const ConverterList list = detectConverters();
    return {list.sets.data(), list.count};
}

} // namespace pellory::sys
