// The pixel transfer behind BitBlt: one row at a time, converting between
// 3- and 4-byte pixels where the surfaces differ.
#include "pixel_rows.h"
#include "surface.h"

#include <cstdint>
#include <cstring>

namespace pellory::sys {
namespace {

bool copyRowSameFormat(BYTE *dst, const BYTE *src, int width, int bytesPerPixel, bool compare)
{
    const auto bytes = static_cast<std::size_t>(width) * bytesPerPixel;
    if (compare && std::memcmp(dst, src, bytes) == 0)
        return false;
    // memmove: a blit within one surface may overlap itself.
    std::memmove(dst, src, bytes);
    return true;
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

bool copyPixels(const Surface &dst, int dstX, int dstY, const Surface &src, int srcX, int srcY,
                int width, int height, bool reportChanges)
{
    if (width <= 0 || height <= 0)
        return false;
    const BYTE *srcFirst = src.pixel(srcX, srcY);
    BYTE *dstFirst = dst.pixel(dstX, dstY);
    const RowConverters &converters = availableRowConverters().front();
    // Surfaces of different formats are different surfaces: no overlap.
    if (dst.bytesPerPixel == 4 && src.bytesPerPixel == 3)
        return converters.rowsToFourBytes(dstFirst, dst.rowStep, srcFirst, src.rowStep, width, height);
    const bool backwards = visitRowsBackwards(dst, dstFirst, src, srcFirst);
    const bool sameFormat = dst.bytesPerPixel == src.bytesPerPixel;
    bool changed = false;
    for (int i = 0; i < height; ++i) {
        const int row = backwards ? height - 1 - i : i;
        BYTE *to = dstFirst + row * dst.rowStep;
        const BYTE *from = srcFirst + row * src.rowStep;
        if (sameFormat) {
            changed |= copyRowSameFormat(to, from, width, dst.bytesPerPixel, reportChanges);
        } else {
            converters.toThreeBytes(to, from, width);
            changed = true; // never shown, so not worth comparing
        }
    }
    return changed;
}

} // namespace pellory::sys
