// Row conversions between 3-byte (B,G,R) and 4-byte (B,G,R,unused) pixels,
// the inner loop of BitBlt between a DIB section and a window surface. Each
// set gives the same bytes; they differ only in the instructions they need.
#ifndef PELLORY_SYSTEM_PIXEL_ROWS_H
#define PELLORY_SYSTEM_PIXEL_ROWS_H

#include <cstddef>
#include <cstdint>
#include <span>

namespace pellory::sys {

// Converts `width` pixels; reads and writes nothing outside either row.
// The rows belong to surfaces of different formats, so they never overlap.
// 3 -> 4 bytes: the destination's unused byte is left as it was; the result
// says whether any colour byte changed (a window then has to be presented).
using RowToFourBytes = bool (*)(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);
// The same for `rows` rows, each `dstStep` and `srcStep` bytes after the one
// before: a blit converts a whole rectangle in one call, which spares a
// sprite-sized blit a call and its set-up per row.
using RowsToFourBytes = bool (*)(uint8_t *__restrict dst, std::ptrdiff_t dstStep, const uint8_t *__restrict src,
                                 std::ptrdiff_t srcStep, int width, int rows);
// 4 -> 3 bytes: the source's unused byte is dropped.
using RowToThreeBytes = void (*)(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);

struct RowConverters {
    const char *name;
    RowsToFourBytes rowsToFourBytes;
    RowToThreeBytes toThreeBytes;
};

// Rows one by one through `Row`, for the sets whose rows gain nothing from
// being converted together.
template <RowToFourBytes Row>
bool eachRowToFourBytes(uint8_t *__restrict dst, std::ptrdiff_t dstStep, const uint8_t *__restrict src,
                        std::ptrdiff_t srcStep, int width, int rows)
{
    bool changed = false;
    for (int row = 0; row < rows; ++row)
        changed |= Row(dst + row * dstStep, src + row * srcStep, width);
    return changed;
}

bool rowToFourBytesPortable(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);
void rowToThreeBytesPortable(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);
bool rowToFourBytesAvx2(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);
void rowToThreeBytesAvx2(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);
bool rowsToFourBytesAvx512(uint8_t *__restrict dst, std::ptrdiff_t dstStep, const uint8_t *__restrict src,
                           std::ptrdiff_t srcStep, int width, int rows);
void rowToThreeBytesAvx512(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);

// The sets this processor can run, fastest first.
std::span<const RowConverters> availableRowConverters();

} // namespace pellory::sys

#endif
