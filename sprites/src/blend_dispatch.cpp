#include "blend_kernels.h"

#include <algorithm>
#include <array>

namespace orvalin {
namespace {

struct KernelList {
    std::array<NamedBlendKernel, 4> kernels;
    size_t count;
    // Index of the kernel for rows shorter than one 64-pixel block of the
    // AVX-512 kernels.
    size_t shortRows;
};

constexpr int kWideRow = 64;

// A fixed list: nothing here may allocate or throw inside an exported call.
KernelList DetectKernels()
{
    KernelList list{};
    __builtin_cpu_init();
    const bool intel = __builtin_cpu_is("intel");
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512vnni")) {
        // Intel's two-table byte permute holds its one 512-bit shuffle port
        // for two cycles and its gathers are quick; AMD runs the permute on
        // either of two pipes in one cycle and its gathers are slow.
        const NamedBlendKernel lookUp = {"avx512", BlendRowsAvx512, BlendPairedAvx512};
        const NamedBlendKernel gathered = {"avx512-gather", BlendRowsAvx512Gathered, BlendPairedAvx512Gathered};
        list.kernels[list.count++] = intel ? gathered : lookUp;
        list.kernels[list.count++] = intel ? lookUp : gathered;
    }
    // A short row is one masked 512-bit block that costs nearly a whole one;
    // Intel runs 256-bit work on three ports against two for 512-bit, so
    // there the AVX2 kernel's 8-pixel steps are faster below 64 pixels.
    if (__builtin_cpu_supports("avx2")) {
        if (intel)
            list.shortRows = list.count;
        list.kernels[list.count++] = {"avx2", BlendRowsAvx2, nullptr};
    }
    list.kernels[list.count++] = {"portable", BlendRowsPortable, nullptr};
    return list;
}

const KernelList &Kernels()
{
    static const KernelList list = DetectKernels();
    return list;
}

// The kernel that blends rows of this width.
const NamedBlendKernel &KernelFor(int width)
{
    const KernelList &list = Kernels();
    return list.kernels[width < kWideRow ? list.shortRows : 0];
}

// Drawing calls use at most 101 opacities (whole percents), so each table is
// built once and kept; any other value is rebuilt into its nearest slot.
const BlendTable &TableFor(float opacity)
{
    constexpr int kSlots = 101;
    static BlendTable tables[kSlots];
    static float opacities[kSlots];
    static bool built[kSlots];
    const int slot = std::clamp(static_cast<int>(opacity * 100.0f + 0.5f), 0, kSlots - 1);
    if (!built[slot] || opacities[slot] != opacity) {
        BuildBlendTable(opacity, tables[slot]);
        opacities[slot] = opacity;
        built[slot] = true;
    }
    return tables[slot];
}

} // namespace

std::span<const NamedBlendKernel> AvailableBlendKernels()
{
    const KernelList &list = Kernels();
    return {list.kernels.data(), list.count};
}

void BlendSprite(const uint8_t *pixels, int width, int height, const uint8_t *under, uint8_t *out, size_t stride,
                 float opacity)
{
    KernelFor(width).rows(pixels, under, out, width, height, stride, TableFor(opacity));
}

bool BlendsFromPairs(int width) { return KernelFor(width).paired != nullptr; }

void BlendSpriteFromPairs(const uint8_t *pixels, const uint8_t *pairs, int width, int height, const uint8_t *under,
                          uint8_t *out, size_t stride, float opacity)
{
    KernelFor(width).paired(pixels, pairs, under, out, width, height, stride, TableFor(opacity));
}

} // namespace orvalin
