#include "blit_clip.h"

#include <algorithm>
#include <cstdint>

namespace pellory::sys {

std::optional<BlitArea> clipBlit(const BlitRequest &r)
{
    // 64-bit throughout: positions near INT_MAX plus extents must not wrap.
    int64_t dstX = r.dstX, dstY = r.dstY, srcX = r.srcX, srcY = r.srcY;
    int64_t width = r.width, height = r.height;
    if (width < 0) {
        dstX += width;
        srcX += width;
        width = -width;
    }
    if (height < 0) {
        dstY += height;
        srcY += height;
        height = -height;
    }
    const int64_t left = std::max({int64_t{0}, -dstX, -srcX});
    const int64_t top = std::max({int64_t{0}, -dstY, -srcY});
    const int64_t right = std::min({width, r.dstWidth - dstX, r.srcWidth - srcX});
    const int64_t bottom = std::min({height, r.dstHeight - dstY, r.srcHeight - srcY});
    if (right <= left || bottom <= top)
        return std::nullopt;
    return BlitArea{static_cast<int>(dstX + left), static_cast<int>(dstY + top),
                    static_cast<int>(srcX + left), static_cast<int>(srcY + top),
                    static_cast<int>(right - left), static_cast<int>(bottom - top)};
}

} // namespace pellory::sys
