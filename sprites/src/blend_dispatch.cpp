#include "blend_kernels.h"

#include <vector>

namespace orvalin {
namespace {

std::vector<NamedBlendKernel> DetectKernels()
{
    std::vector<NamedBlendKernel> kernels;
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vbmi"))
        kernels.push_back({"avx512", BlendRowAvx512});
    if (__builtin_cpu_supports("avx2"))
        kernels.push_back({"avx2", BlendRowAvx2});
    kernels.push_back({"portable", BlendRowPortable});
    return kernels;
}

} // namespace

std::span<const NamedBlendKernel> AvailableBlendKernels()
{
    static const std::vector<NamedBlendKernel> kernels = DetectKernels();
    return kernels;
}

void BlendSprite(const uint8_t *pixels, int width, int height, uint8_t *work, size_t stride,
                 float opacity)
{
    BlendTable table;
    BuildBlendTable(opacity, table);
    const BlendRowKernel kernel = AvailableBlendKernels().front().row;
    const size_t spriteStride = static_cast<size_t>(width) * 4;
    for (int row = 0; row < height; ++row)
        kernel(pixels + spriteStride * static_cast<size_t>(row), work + stride * static_cast<size_t>(row),
               width, table);
}

} // namespace orvalin
