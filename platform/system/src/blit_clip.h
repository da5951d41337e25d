// Clipping of a BitBlt rectangle against both the source and the destination
// surface, so that only pixels present on both sides are transferred.
#ifndef PELLORY_SYSTEM_BLIT_CLIP_H
#define PELLORY_SYSTEM_BLIT_CLIP_H

#include <optional>

namespace pellory::sys {

struct BlitRequest {
    int dstX, dstY, width, height, srcX, srcY;
    int dstWidth, dstHeight, srcWidth, srcHeight;
};

struct BlitArea {
    int dstX, dstY, srcX, srcY, width, height;
};

// The part of the request that lies on both surfaces; nothing when it is empty.
// Negative extents name the rectangle that ends at the given corner.
std::optional<BlitArea> clipBlit(const BlitRequest &request);

} // namespace pellory::sys

#endif
