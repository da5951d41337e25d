// Row kernels of the pixel blend. Every kernel gives exactly the bytes of the
// rule; they differ only in the instructions they need.
#ifndef ORVALIN_BLEND_KERNELS_H
#define ORVALIN_BLEND_KERNELS_H

#include "blend_table.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace orvalin {

// Blends `width` sprite pixels (blue, green, red, alpha) into `width` work
// pixels (blue, green, red). Reads and writes nothing beyond either row.
using BlendRowKernel = void (*)(const uint8_t *spriteRow, uint8_t *workRow, int width,
                                const BlendTable &table);

void BlendRowPortable(const uint8_t *spriteRow, uint8_t *workRow, int width, const BlendTable &table);
void BlendRowAvx2(const uint8_t *spriteRow, uint8_t *workRow, int width, const BlendTable &table);
void BlendRowAvx512(const uint8_t *spriteRow, uint8_t *workRow, int width, const BlendTable &table);

struct NamedBlendKernel {
    const char *name;
    BlendRowKernel row;
};

// The kernels this processor can run, fastest first.
std::span<const NamedBlendKernel> AvailableBlendKernels();

// Blends a whole sprite (rows of width*4 bytes, bottom row first) into a
// bottom-up 24-bit work bitmap of the same size with the fastest kernel.
void BlendSprite(const uint8_t *pixels, int width, int height, uint8_t *work, size_t stride,
                 float opacity);

} // namespace orvalin

#endif
