// The pixel transfer behind BitBlt: one row at a time, converting between
// 3- and 4-byte pixels where the surfaces differ.
#include "surface.h"

#include <cstdint>
#include <cstring>

namespace pellory::sys {
namespace {

void copyRowSameFormat(BYTE *dst, const BYTE *src, int width, int bytesPerPixel)
{
    // memmove: a blit within one surface may overlap itself.
    std::memmove(dst, src, static_cast<std::size_t>(width) * bytesPerPixel);
}

// Whole 32-bit words where the row has room for them, bytes for the last
// pixel, so no access leaves the row.
void copyRowToFourBytes(BYTE *__restrict dst, const BYTE *__restrict src, int width)
{
    const int wordPixels = width - 1;
    for (int x = 0; x < wordPixels; ++x) {
        uint32_t colour, kept;
        std::memcpy(&colour, src + x * 3, 4);
        std::memcpy(&kept, dst + x * 4, 4);
        const uint32_t merged = (colour & 0x00FFFFFFu) | (kept & 0xFF000000u);
        std::memcpy(dst + x * 4, &merged, 4);
    }
    std::memcpy(dst + wordPixels * 4, src + wordPixels * 3, 3);
}

void copyRowToThreeBytes(BYTE *__restrict dst, const BYTE *__restrict src, int width)
{
    const int wordPixels = width - 1;
    for (int x = 0; x < wordPixels; ++x)
        std::memcpy(dst + x * 3, src + x * 4, 4); // the 4th byte is overwritten next
    std::memcpy(dst + wordPixels * 3, src + wordPixels * 4, 3);
}

// Within one surface, rows must be visited so that no source row is
// overwritten before it is read: walk away from the destination.
bool visitRowsBackwards(const Surface &dst, const BYTE *dstFirst, const Surface &src,
                        const BYTE *srcFirst)
{
    if (dst.topRow != src.topRow)
        return false;
    const bool destinationAfterSource = dstFirst > srcFirst;
    return destinationAfterSource == (dst.rowStep > 0);
}

} // namespace

void copyPixels(const Surface &dst, int dstX, int dstY, const Surface &src, int srcX, int srcY,
                int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    const BYTE *srcFirst = src.pixel(srcX, srcY);
    BYTE *dstFirst = dst.pixel(dstX, dstY);
    const bool backwards = visitRowsBackwards(dst, dstFirst, src, srcFirst);
    const bool sameFormat = dst.bytesPerPixel == src.bytesPerPixel;
    for (int i = 0; i < height; ++i) {
        const int row = backwards ? height - 1 - i : i;
        BYTE *to = dstFirst + row * dst.rowStep;
        const BYTE *from = srcFirst + row * src.rowStep;
        if (sameFormat)
            copyRowSameFormat(to, from, width, dst.bytesPerPixel);
        else if (dst.bytesPerPixel == 4)
            copyRowToFourBytes(to, from, width);
        else
            copyRowToThreeBytes(to, from, width);
    }
}

} // namespace pellory::sys
