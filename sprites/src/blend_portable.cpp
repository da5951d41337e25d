#include "blend_kernels.h"

namespace orvalin {

void BlendRowPortable(const uint8_t *spriteRow, const uint8_t *underRow, uint8_t *outRow, int width,
                      const BlendTable &table)
{
    for (int column = 0; column < width; ++column, spriteRow += 4, underRow += 3, outRow += 3) {
        const uint8_t alpha = spriteRow[3];
        const bool copiesSprite = alpha == 255 && table.copiesOpaque;
        for (int channel = 0; channel < 3; ++channel) {
            if (alpha == 0)
                outRow[channel] = underRow[channel];
            else if (copiesSprite)
                outRow[channel] = spriteRow[channel];
            else
                outRow[channel] = BlendChannel(table.byAlpha[alpha], spriteRow[channel], underRow[channel]);
        }
    }
}

void BlendRowsPortable(const uint8_t *sprite, const uint8_t *under, uint8_t *out, int width, int height,
                       size_t stride, const BlendTable &table)
{
    const size_t spriteStride = static_cast<size_t>(width) * 4;
    for (int row = 0; row < height; ++row) {
        const size_t offset = stride * static_cast<size_t>(row);
        BlendRowPortable(sprite + spriteStride * static_cast<size_t>(row), under + offset, out + offset, width,
                         table);
    }
}

} // namespace orvalin
