// Row conversions between 3-byte (B,G,R) and 4-byte (B,G,R,unused) pixels,
// the inner loop of BitBlt between a DIB section and a window surface. Each
// set gives the same bytes; they differ only in the instructions they need.
#ifndef PELLORY_SYSTEM_PIXEL_ROWS_H
#define PELLORY_SYSTEM_PIXEL_ROWS_H

#include <cstdint>
#include <span>

namespace pellory::sys {

// Converts `width` pixels; reads and writes nothing outside either row.
// The rows belong to surfaces of different formats, so they never overlap.
// 3 -> 4 bytes: the destination's unused byte is left as it was; the result
// says whether any colour byte changed (a window then has to be presented).
using RowToFourBytes = bool (*)(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);
// 4 -> 3 bytes: the source's unused byte is dropped.
using RowToThreeBytes = void (*)(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);

struct RowConverters {
    const char *name;
    RowToFourBytes toFourBytes;
    RowToThreeBytes toThreeBytes;
};

bool rowToFourBytesPortable(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);
void rowToThreeBytesPortable(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);
bool rowToFourBytesAvx2(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);
void rowToThreeBytesAvx2(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);
bool rowToFourBytesAvx512(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);
void rowToThreeBytesAvx512(uint8_t *__restrict dst, const uint8_t *__restrict src, int width);

// The sets this processor can run, fastest first.
std::span<const RowConverters> availableRowConverters();

} // namespace pellory::sys

#endif
