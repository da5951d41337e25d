// A view of pixel memory owned elsewhere (a DIB section or a window's client
// surface): rows are reached from the top row by a signed step, so bottom-up
// and top-down layouts are handled by the same copy code.
#ifndef PELLORY_SYSTEM_SURFACE_H
#define PELLORY_SYSTEM_SURFACE_H

#include "windows.h"

#include <cstddef>

namespace pellory::sys {

struct Surface {
    BYTE *topRow = nullptr;   // first byte of the picture's top row
    std::ptrdiff_t rowStep = 0; // bytes from one row to the row below it
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;   // 3 (B,G,R) or 4 (B,G,R,unused)

    BYTE *pixel(int x, int y) const { return topRow + y * rowStep + x * bytesPerPixel; }
};

// Copies a width x height block that both surfaces contain (the caller clips).
// Colour bytes pass unchanged; when the destination has 4 bytes a pixel and
// the source 3, the destination's unused byte is left as it was. With
// `reportChanges`, false when the destination kept every byte it had
// (without, rows of one format are copied without comparing them).
bool copyPixels(const Surface &dst, int dstX, int dstY, const Surface &src, int srcX, int srcY,
                int width, int height, bool reportChanges);

} // namespace pellory::sys

#endif
