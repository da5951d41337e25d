#include "blend_kernels.h"

#include <algorithm>
#include <array>

namespace orvalin {
namespace {

using Places = std::array<uint8_t, 256>;

// Writes the sprite's palette into the header when it has at most 128
// distinct alphas, and gives each alpha's place in it (all zero without one).
Places BuildPalette(const uint8_t *sprite, size_t pixelCount, uint8_t *header)
{
    std::array<bool, 256> present{};
    for (size_t pixel = 0; pixel < pixelCount; ++pixel)
        present[sprite[4 * pixel + 3]] = true;
    Places placeOf{};
    if (std::count(present.begin(), present.end(), true) > static_cast<std::ptrdiff_t>(kPaletteEntries))
        return placeOf;
    uint8_t count = 0;
    for (int alpha = 0; alpha < 256; ++alpha)
        if (present[alpha]) {
            placeOf[alpha] = count;
            header[count++] = static_cast<uint8_t>(alpha);
        }
    header[kPairsPaletteCountAt] = count;
    return placeOf;
}

} // namespace

void BuildBlendPairs(const uint8_t *sprite, const uint8_t *under, int width, int height, size_t stride,
                     uint8_t *pairs)
{
    std::fill(pairs, pairs + BlendPairsBytes(width, height), uint8_t{0});
    const Places placeOf = BuildPalette(sprite, static_cast<size_t>(width) * static_cast<size_t>(height), pairs);
    for (int row = 0; row < height; ++row) {
        const uint8_t *spriteRow = sprite + static_cast<size_t>(row) * static_cast<size_t>(width) * 4;
        const uint8_t *underRow = under + static_cast<size_t>(row) * stride;
        uint8_t *pairsRow = pairs + kPairsHeaderBytes + BlendPairsRowBytes(width) * static_cast<size_t>(row);
        for (int column = 0; column < width; ++column) {
            uint8_t *block = pairsRow + static_cast<size_t>(column / 64) * kPairBlockBytes;
            const int chunk = column % 64 / 16, pixel = column % 16;
            const uint8_t alpha = spriteRow[4 * column + 3];
            const size_t alphaAt = 16 * static_cast<size_t>(pixel / 4) + 4 * static_cast<size_t>(chunk) + pixel % 4;
            block[alphaAt] = alpha;
            block[kPairBlockPlacesAt + alphaAt] = placeOf[alpha];
            uint8_t *chunkPairs = block + kPairBlockChunksAt + static_cast<size_t>(chunk) * kPairChunkBytes;
            for (int channel = 0; channel < 3; ++channel) {
                chunkPairs[32 * channel + 2 * pixel] = spriteRow[4 * column + channel];
                chunkPairs[32 * channel + 2 * pixel + 1] = underRow[3 * column + channel];
            }
        }
    }
}

} // namespace orvalin
