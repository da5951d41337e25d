// Kernels of the pixel blend. Every kernel gives exactly the bytes of the
// rule; they differ only in the instructions they need.
#ifndef ORVALIN_BLEND_KERNELS_H
#define ORVALIN_BLEND_KERNELS_H

#include "blend_table.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace orvalin {

// Blends `height` rows of `width` sprite pixels (blue, green, red, alpha;
// rows of width*4 bytes one after another) over as many rows of `width`
// pixels (blue, green, red) of `under`, `stride` bytes apart, and writes them
// to `out`, which is either `under` itself or a bitmap of the same layout
// that does not overlap it: a blend over a kept background then needs no copy
// of it first. Reads and writes nothing beyond the rows' pixels. The row loop
// is inside the kernel: a call per row cost a tenth of a 64 x 64 drawing.
using BlendKernel = void (*)(const uint8_t *sprite, const uint8_t *under, uint8_t *out, int width, int height,
                             size_t stride, const BlendTable &table);

void BlendRowsPortable(const uint8_t *sprite, const uint8_t *under, uint8_t *out, int width, int height,
                       size_t stride, const BlendTable &table);
void BlendRowsAvx2(const uint8_t *sprite, const uint8_t *under, uint8_t *out, int width, int height, size_t stride,
                   const BlendTable &table);
void BlendRowsAvx512(const uint8_t *sprite, const uint8_t *under, uint8_t *out, int width, int height,
                     size_t stride, const BlendTable &table);
// The same, gathering the coefficients of every chunk whose alphas differ.
void BlendRowsAvx512Gathered(const uint8_t *sprite, const uint8_t *under, uint8_t *out, int width, int height,
                             size_t stride, const BlendTable &table);

// One row with the portable kernel: the others' last pixels where needed.
void BlendRowPortable(const uint8_t *spriteRow, const uint8_t *underRow, uint8_t *outRow, int width,
                      const BlendTable &table);

struct NamedBlendKernel {
    const char *name;
    BlendKernel rows;
};

// The kernels this processor can run, fastest first.
std::span<const NamedBlendKernel> AvailableBlendKernels();

// Blends a whole sprite (rows of width*4 bytes, bottom row first) over a
// bottom-up 24-bit bitmap of the same size with the fastest kernel for its
// width, into `out` (`under` itself or a bitmap that does not overlap it).
void BlendSprite(const uint8_t *pixels, int width, int height, const uint8_t *under, uint8_t *out, size_t stride,
                 float opacity);

} // namespace orvalin

#endif
