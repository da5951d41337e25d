// Sixteen pixels a step with one byte permute; masked loads and stores cover
// the row's tail, so nothing outside either row is touched.
#include "pixel_rows.h"

// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked AVX-512 intrinsics as uninitialised once they are inlined.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <immintrin.h>

#include <array>

#define PELLORY_AVX512 __attribute__((target("avx512f,avx512bw,avx512vbmi")))

namespace pellory::sys {
namespace {

using ByteIndex = std::array<uint8_t, 64>;

// Byte `to`*j+k of the result from byte `from`*j+k of the source, for the
// three colour bytes k of 16 pixels j; the unused byte of 4-byte pixels is
// never stored.
constexpr ByteIndex ColourIndex(int from, int to)
{
    ByteIndex index{};
    for (int pixel = 0; pixel < 16; ++pixel)
        for (int channel = 0; channel < 3; ++channel)
            index[to * pixel + channel] = static_cast<uint8_t>(from * pixel + channel);
    return index;
}

alignas(64) constexpr ByteIndex kSpreadIndex = ColourIndex(3, 4);
alignas(64) constexpr ByteIndex kPackIndex = ColourIndex(4, 3);
constexpr uint64_t kColourBytes = 0x7777777777777777ull;

// The low `count` bits set, for count from 0 to 64.
constexpr uint64_t LowBits(int count) { return count >= 64 ? ~uint64_t{0} : (uint64_t{1} << count) - 1; }

// Up to 16 pixels; the masks say how many (a whole step reads the whole
// destination, which is faster than a masked read). The result has a bit set
// for every colour byte that changed; only then is anything written.
PELLORY_AVX512 __mmask64 spreadPixels(uint8_t *dst, const uint8_t *src, __mmask64 sourceBytes, __mmask64 colourBytes)
{
    const __m512i source = _mm512_maskz_loadu_epi8(sourceBytes, src);
    const __m512i kept = sourceBytes == LowBits(48) ? _mm512_loadu_si512(dst) : _mm512_maskz_loadu_epi8(colourBytes, dst);
    const __m512i spread = _mm512_permutexvar_epi8(_mm512_load_si512(kSpreadIndex.data()), source);
    const __mmask64 changed = _mm512_mask_cmpneq_epi8_mask(colourBytes, spread, kept);
    // Redrawing the same pixels is common (a button at an unchanged glow),
    // and a store costs more than the comparison.
    if (changed == 0)
        return changed;
    // A whole step has read every destination byte, so it writes them all
    // back with the unused ones as they were: a plain store is cheaper than a
    // byte-masked one.
    if (sourceBytes == LowBits(48))
        _mm512_storeu_si512(dst, _mm512_mask_blend_epi8(colourBytes, kept, spread));
    else
        _mm512_mask_storeu_epi8(dst, colourBytes, spread);
    return changed;
}

PELLORY_AVX512 void packPixels(uint8_t *dst, const uint8_t *src, __mmask16 sourcePixels, __mmask64 targetBytes)
{
    const __m512i source = _mm512_maskz_loadu_epi32(sourcePixels, src);
    _mm512_mask_storeu_epi8(dst, targetBytes, _mm512_permutexvar_epi8(_mm512_load_si512(kPackIndex.data()), source));
}

// Whole 16-pixel steps use constant masks; the tail's are worked out once
// for all rows of a call.
struct TailMasks {
    __mmask64 sourceBytes;
    __mmask64 colourBytes;
};

PELLORY_AVX512 inline TailMasks TailOf(int width)
{
    const int count = width % 16;
    return {_cvtu64_mask64(LowBits(3 * count)), _cvtu64_mask64(kColourBytes & LowBits(4 * count))};
}

PELLORY_AVX512 inline __attribute__((always_inline)) __mmask64 spreadRow(uint8_t *dst, const uint8_t *src, int width,
                                                                        TailMasks tail)
{
    __mmask64 changed = 0;
    int x = 0;
    for (; x + 16 <= width; x += 16)
        changed |= spreadPixels(dst + 4 * x, src + 3 * x, _cvtu64_mask64(LowBits(48)), _cvtu64_mask64(kColourBytes));
    if (x < width)
        changed |= spreadPixels(dst + 4 * x, src + 3 * x, tail.sourceBytes, tail.colourBytes);
    return changed;
}

} // namespace

PELLORY_AVX512 bool rowsToFourBytesAvx512(uint8_t *__restrict dst, std::ptrdiff_t dstStep,
                                          const uint8_t *__restrict src, std::ptrdiff_t srcStep, int width, int rows)
{
    const TailMasks tail = TailOf(width);
    __mmask64 changed = 0;
    for (int row = 0; row < rows; ++row)
        changed |= spreadRow(dst + row * dstStep, src + row * srcStep, width, tail);
    return changed != 0;
}

PELLORY_AVX512 void rowToThreeBytesAvx512(uint8_t *__restrict dst, const uint8_t *__restrict src, int width)
{
    int x = 0;
    for (; x + 16 <= width; x += 16)
        packPixels(dst + 3 * x, src + 4 * x, _cvtu32_mask16(0xFFFF), _cvtu64_mask64(LowBits(48)));
    const int count = width - x;
    if (count > 0)
        packPixels(dst + 3 * x, src + 4 * x, _cvtu32_mask16(static_cast<uint32_t>(LowBits(count))),
                   _cvtu64_mask64(LowBits(3 * count)));
}

} // namespace pellory::sys
