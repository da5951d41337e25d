// Whole 32-bit words where the row has room for them, bytes for the last
// pixel, so no access leaves the row.
#include "pixel_rows.h"

#include <cstring>

namespace pellory::sys {

bool rowToFourBytesPortable(uint8_t *__restrict dst, const uint8_t *__restrict src, int width)
{
    if (width <= 0)
        return false;
    const int wordPixels = width - 1;
    uint32_t differences = 0;
    for (int x = 0; x < wordPixels; ++x) {
        uint32_t colour, kept;
        std::memcpy(&colour, src + x * 3, 4);
        std::memcpy(&kept, dst + x * 4, 4);
        const uint32_t merged = (colour & 0x00FFFFFFu) | (kept & 0xFF000000u);
        differences |= merged ^ kept;
        std::memcpy(dst + x * 4, &merged, 4);
    }
    uint8_t *last = dst + wordPixels * 4;
    const uint8_t *lastSource = src + wordPixels * 3;
    differences |= static_cast<uint32_t>((last[0] ^ lastSource[0]) | (last[1] ^ lastSource[1]) | (last[2] ^ lastSource[2]));
    std::memcpy(last, lastSource, 3);
    return differences != 0;
}

void rowToThreeBytesPortable(uint8_t *__restrict dst, const uint8_t *__restrict src, int width)
{
    if (width <= 0)
        return;
    const int wordPixels = width - 1;
    for (int x = 0; x < wordPixels; ++x)
        std::memcpy(dst + x * 3, src + x * 4, 4); // the 4th byte is overwritten next
    std::memcpy(dst + wordPixels * 3, src + wordPixels * 4, 3);
}

} // namespace pellory::sys
