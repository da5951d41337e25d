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

// A sprite's alphas and its colour bytes beside a background's, as the
// AVX-512 kernels read them. First a header: the sprite's distinct alphas in
// ascending order when there are at most 128 of them (its palette), and their
// count, 0 when there are more. Then for each row and each 64-pixel block of
// it: the block's alphas in the order the kernels classify them (pixel
// 16k + 4l + i at byte 16l + 4k + i), the same pixels' places in the palette
// (zero without one), then for each 16-pixel chunk k and each channel 32 bytes
// holding (sprite, background) for pixels 0 to 15; zero beyond the row.
// Prepared once per capture, they spare every later blend over it the byte
// permutes that pair the two, and reading the sprite except to copy it; the
// palette lets a block look its coefficients up in one 128-entry table.
constexpr size_t kPaletteEntries = 128;
constexpr size_t kPairsPaletteCountAt = kPaletteEntries;
constexpr size_t kPairsHeaderBytes = 192;
constexpr size_t kPairBlockAlphaBytes = 64;
constexpr size_t kPairBlockPlacesAt = kPairBlockAlphaBytes;
constexpr size_t kPairBlockPlaceBytes = 64;
constexpr size_t kPairChunkBytes = 96;
constexpr size_t kPairBlockChunksAt = kPairBlockPlacesAt + kPairBlockPlaceBytes;
constexpr size_t kPairBlockBytes = kPairBlockChunksAt + 4 * kPairChunkBytes;
inline size_t BlendPairsRowBytes(int width) { return (static_cast<size_t>(width) + 63) / 64 * kPairBlockBytes; }
inline size_t BlendPairsBytes(int width, int height)
{
    return kPairsHeaderBytes + BlendPairsRowBytes(width) * static_cast<size_t>(height);
}
void BuildBlendPairs(const uint8_t *sprite, const uint8_t *under, int width, int height, size_t stride,
                     uint8_t *pairs);

// A kernel that reads the sprite's alphas and the chunks it copies from
// `sprite` and `under`, and the colours it blends from `pairs`, built from them.
using PairedBlendKernel = void (*)(const uint8_t *sprite, const uint8_t *pairs, const uint8_t *under, uint8_t *out,
                                   int width, int height, size_t stride, const BlendTable &table);
void BlendPairedAvx512(const uint8_t *sprite, const uint8_t *pairs, const uint8_t *under, uint8_t *out, int width,
                       int height, size_t stride, const BlendTable &table);
void BlendPairedAvx512Gathered(const uint8_t *sprite, const uint8_t *pairs, const uint8_t *under, uint8_t *out,
                               int width, int height, size_t stride, const BlendTable &table);

// One row with the portable kernel: the others' last pixels where needed.
void BlendRowPortable(const uint8_t *spriteRow, const uint8_t *underRow, uint8_t *outRow, int width,
                      const BlendTable &table);

struct NamedBlendKernel {
    const char *name;
    BlendKernel rows;
    PairedBlendKernel paired; // null: the kernel takes no prepared pairs
};

// The kernels this processor can run, fastest first.
std::span<const NamedBlendKernel> AvailableBlendKernels();

// Blends a whole sprite (rows of width*4 bytes, bottom row first) over a
// bottom-up 24-bit bitmap of the same size with the fastest kernel for its
// width, into `out` (`under` itself or a bitmap that does not overlap it).
void BlendSprite(const uint8_t *pixels, int width, int height, const uint8_t *under, uint8_t *out, size_t stride,
                 float opacity);

// Whether BlendSprite's kernel for this width takes prepared pairs.
bool BlendsFromPairs(int width);

// BlendSprite over the background the pairs were built from; only where
// BlendsFromPairs(width).
void BlendSpriteFromPairs(const uint8_t *pixels, const uint8_t *pairs, int width, int height, const uint8_t *under,
                          uint8_t *out, size_t stride, float opacity);

} // namespace orvalin

#endif
