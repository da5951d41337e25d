// Eight pixels a step with in-lane byte shuffles; of the last width % 8
// pixels, four may take one more step and the rest go through the portable
// code. Every load and store stays inside its row.
#include "pixel_rows.h"

#include <immintrin.h>

#define PELLORY_AVX2 __attribute__((target("avx2")))

namespace pellory::sys {

// Four pixels from 16 source bytes (12 used, picked by `spread`) over the
// four destination pixels at `to`, whose unused bytes stay; returns the
// changed bits, the unused bytes' included (the caller drops those).
PELLORY_AVX2 __m128i spreadFourPixels(uint8_t *to, const uint8_t *from, __m128i spread)
{
    auto *target = reinterpret_cast<__m128i *>(to);
    const __m128i kept = _mm_loadu_si128(target);
    const __m128i colours = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(from)), spread);
    _mm_storeu_si128(target, _mm_blendv_epi8(colours, kept, _mm_set1_epi32(static_cast<int>(0xFF000000u))));
    return _mm_xor_si128(colours, kept);
}

// 128-bit steps: on a processor that splits 256-bit work this loop ran a
// quarter faster than with 256-bit steps.
PELLORY_AVX2 bool rowToFourBytesAvx2(uint8_t *__restrict dst, const uint8_t *__restrict src, int width)
{
    // Eight pixels read exactly 24 bytes: 0-15 for pixels 0-3 and 8-23 for
    // pixels 4-7, which start at byte 4 of the second read.
    const __m128i spreadFirst = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i spreadSecond = _mm_setr_epi8(4, 5, 6, -1, 7, 8, 9, -1, 10, 11, 12, -1, 13, 14, 15, -1);
    __m128i differences = _mm_setzero_si128();
    int x = 0;
    for (; x + 8 <= width; x += 8) {
        uint8_t *to = dst + 4 * x;
        const uint8_t *from = src + 3 * x;
        differences = _mm_or_si128(differences, spreadFourPixels(to, from, spreadFirst));
        differences = _mm_or_si128(differences, spreadFourPixels(to + 16, from + 8, spreadSecond));
    }
    // Four more pixels in one step (a 44-pixel button row ends so): their 12
    // bytes are the last of a 16-byte read that starts inside the row.
    if (x >= 8 && width - x >= 4) {
        differences = _mm_or_si128(differences, spreadFourPixels(dst + 4 * x, src + 3 * x - 4, spreadSecond));
        x += 4;
    }
    const bool tailChanged = x < width && rowToFourBytesPortable(dst + 4 * x, src + 3 * x, width - x);
    return tailChanged || !_mm_testz_si128(differences, _mm_set1_epi32(0x00FFFFFF));
}

PELLORY_AVX2 void rowToThreeBytesAvx2(uint8_t *__restrict dst, const uint8_t *__restrict src, int width)
{
    // Each lane packs its four pixels into its first 12 bytes; the lanes'
    // packed dwords are then moved together into the low 24 bytes.
    const __m256i pack = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,
                                          0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const __m256i join = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7);
    int x = 0;
    for (; x + 8 <= width; x += 8) {
        const __m256i source = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(src + 4 * x));
        const __m256i packed = _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(source, pack), join);
        uint8_t *to = dst + 3 * x;
        _mm_storeu_si128(reinterpret_cast<__m128i *>(to), _mm256_castsi256_si128(packed));
        _mm_storel_epi64(reinterpret_cast<__m128i *>(to + 16), _mm256_extracti128_si256(packed, 1));
    }
    rowToThreeBytesPortable(dst + 3 * x, src + 4 * x, width - x);
}

} // namespace pellory::sys
