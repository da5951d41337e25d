#include "blend_kernels.h"

#include <algorithm>

namespace orvalin {

void BuildBlendPairs(const uint8_t *sprite, const uint8_t *under, int width, int height, size_t stride,
                     uint8_t *pairs)
{
    std::fill(pairs, pairs + BlendPairsBytes(width, height), uint8_t{0});
    for (int row = 0; row < height; ++row) {
        const uint8_t *spriteRow = sprite + static_cast<size_t>(row) * static_cast<size_t>(width) * 4;
        const uint8_t *underRow = under + static_cast<size_t>(row) * stride;
        uint8_t *pairsRow = pairs + BlendPairsBytes(width, row);
        for (int column = 0; column < width; ++column) {
            uint8_t *block = pairsRow + static_cast<size_t>(column / 64) * kPairBlockBytes;
            const int chunk = column % 64 / 16, pixel = column % 16;
            block[16 * (pixel / 4) + 4 * chunk + pixel % 4] = spriteRow[4 * column + 3];
            uint8_t *chunkPairs = block + kPairBlockAlphaBytes + static_cast<size_t>(chunk) * kPairChunkBytes;
            for (int channel = 0; channel < 3; ++channel) {
                chunkPairs[32 * channel + 2 * pixel] = spriteRow[4 * column + channel];
                chunkPairs[32 * channel + 2 * pixel + 1] = underRow[3 * column + channel];
            }
        }
    }
}

} // namespace orvalin
