// Eight pixels a step with in-lane byte shuffles; the last width % 8 pixels
// go through the portable code. Every load and store stays inside its row.
#include "pixel_rows.h"

#include <immintrin.h>

#define PELLORY_AVX2 __attribute__((target("avx2")))

namespace pellory::sys {

PELLORY_AVX2 bool rowToFourBytesAvx2(uint8_t *__restrict dst, const uint8_t *__restrict src, int width)
{
    // The low lane holds source bytes 0-15 (pixels 0-3 at 0), the high lane
    // bytes 8-23 (pixels 4-7 at 4), so eight pixels read exactly 24 bytes.
    const __m256i spread = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1,
                                            4, 5, 6, -1, 7, 8, 9, -1, 10, 11, 12, -1, 13, 14, 15, -1);
    const __m256i colourBytes = _mm256_set1_epi32(0x00FFFFFF);
    __m256i differences = _mm256_setzero_si256();
    int x = 0;
    for (; x + 8 <= width; x += 8) {
        const uint8_t *from = src + 3 * x;
        const __m256i source = _mm256_set_m128i(_mm_loadu_si128(reinterpret_cast<const __m128i *>(from + 8)),
                                                _mm_loadu_si128(reinterpret_cast<const __m128i *>(from)));
        auto *to = reinterpret_cast<__m256i *>(dst + 4 * x);
        const __m256i kept = _mm256_loadu_si256(to);
        const __m256i merged = _mm256_blendv_epi8(kept, _mm256_shuffle_epi8(source, spread), colourBytes);
        differences = _mm256_or_si256(differences, _mm256_xor_si256(merged, kept));
        _mm256_storeu_si256(to, merged);
    }
    const bool tailChanged = rowToFourBytesPortable(dst + 4 * x, src + 3 * x, width - x);
    return tailChanged || !_mm256_testz_si256(differences, differences);
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
