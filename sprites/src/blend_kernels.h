// Row kernels of the pixel blend. Every kernel gives exactly the bytes of the
// rule; they differ only in the instructions they need.
#ifndef ORVALIN_BLEND_KERNELS_H
#define ORVALIN_BLEND_KERNELS_H

#include "blend_table.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace orvalin {

// Blends `width` sprite pixels (blue, green, red, alpha) over `width` pixels
// (blue, green, red) of `underRow` and writes them to `outRow`, which is
// either `underRow` itself or a row that does not overlap it: a blend over a
// kept background then needs no copy of it first. Reads and writes nothing
// beyond the rows.
using BlendRowKernel = void (*)(const uint8_t *spriteRow, const uint8_t *underRow, uint8_t *outRow, int width,
                                const BlendTable &table);

void BlendRowPortable(const uint8_t *spriteRow, const uint8_t *underRow, uint8_t *outRow, int width,
                      const BlendTable &table);
void BlendRowAvx2(const uint8_t *spriteRow, const uint8_t *underRow, uint8_t *outRow, int width,
                  const BlendTable &table);
void BlendRowAvx512(const uint8_t *spriteRow, const uint8_t *underRow, uint8_t *outRow, int width,
                    const BlendTable &table);

struct NamedBlendKernel {
    const char *name;
    BlendRowKernel row;
};

// The kernels this processor can run, fastest first.
std::span<const NamedBlendKernel> AvailableBlendKernels();

// Blends a whole sprite (rows of width*4 bytes, bottom row first) over a
// bottom-up 24-bit bitmap of the same size with the fastest kernel, into
// `out` (`under` itself or a bitmap that does not overlap it).
void BlendSprite(const uint8_t *pixels, int width, int height, const uint8_t *under, uint8_t *out, size_t stride,
                 float opacity);

} // namespace orvalin

#endif
