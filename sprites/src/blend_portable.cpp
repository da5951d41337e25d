#include "blend_kernels.h"

namespace orvalin {

void BlendRowPortable(const uint8_t *spriteRow, uint8_t *workRow, int width, const BlendTable &table)
{
    for (int column = 0; column < width; ++column, spriteRow += 4, workRow += 3) {
        const uint8_t alpha = spriteRow[3];
        if (alpha == 0)
            continue;
        if (alpha == 255 && table.copiesOpaque) {
            workRow[0] = spriteRow[0];
            workRow[1] = spriteRow[1];
            workRow[2] = spriteRow[2];
            continue;
        }
        const BlendCoefficients &coefficients = table.byAlpha[alpha];
        for (int channel = 0; channel < 3; ++channel)
            workRow[channel] = BlendChannel(coefficients, spriteRow[channel], workRow[channel]);
    }
}

} // namespace orvalin
