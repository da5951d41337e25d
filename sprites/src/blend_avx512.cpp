// Sixteen pixels a step; masked loads and stores cover the row's tail, so
// nothing outside either row is touched.
#include "blend_kernels.h"

// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked AVX-512 intrinsics as uninitialised once they are inlined.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <immintrin.h>

#include <algorithm>
#include <array>

#define ORVALIN_AVX512 __attribute__((target("avx512f,avx512bw,avx512vbmi")))

namespace orvalin {
namespace {

using ByteIndex = std::array<uint8_t, 64>;

// Channel k of 16 pixels as 32-bit lanes holding the words (sprite, work):
// byte 4j from the sprite's pixel j, byte 4j+2 from the work row (table two).
constexpr ByteIndex PairIndex(int channel)
{
    ByteIndex index{};
    for (int pixel = 0; pixel < 16; ++pixel) {
        index[4 * pixel] = static_cast<uint8_t>(4 * pixel + channel);
        index[4 * pixel + 2] = static_cast<uint8_t>(64 + 3 * pixel + channel);
    }
    return index;
}

// Blue, green, red of 16 four-byte pixels packed into 48 bytes.
constexpr ByteIndex PackIndex()
{
    ByteIndex index{};
    for (int pixel = 0; pixel < 16; ++pixel)
        for (int channel = 0; channel < 3; ++channel)
            index[3 * pixel + channel] = static_cast<uint8_t>(4 * pixel + channel);
    return index;
}

// Each blended channel ends up in the top byte of its 32-bit lane. Blue and
// green are packed from two channel vectors at once (green in table two).
constexpr ByteIndex BlueGreenIndex()
{
    ByteIndex index{};
    for (int pixel = 0; pixel < 16; ++pixel) {
        index[3 * pixel] = static_cast<uint8_t>(4 * pixel + 3);
        index[3 * pixel + 1] = static_cast<uint8_t>(64 + 4 * pixel + 3);
    }
    return index;
}

constexpr ByteIndex RedIndex()
{
    ByteIndex index{};
    for (int pixel = 0; pixel < 16; ++pixel)
        index[3 * pixel + 2] = static_cast<uint8_t>(4 * pixel + 3);
    return index;
}

constexpr __mmask64 RedBytes()
{
    __mmask64 mask = 0;
    for (int pixel = 0; pixel < 16; ++pixel)
        mask |= __mmask64{1} << (3 * pixel + 2);
    return mask;
}

using DwordIndex = std::array<uint32_t, 16>;

constexpr DwordIndex EveryOtherDword(uint32_t first)
{
    DwordIndex index{};
    for (uint32_t lane = 0; lane < 16; ++lane)
        index[lane] = first + 2 * lane;
    return index;
}

alignas(64) constexpr DwordIndex kEvenDwords = EveryOtherDword(0);
alignas(64) constexpr DwordIndex kOddDwords = EveryOtherDword(1);
alignas(64) constexpr ByteIndex kPairIndex[3] = {PairIndex(0), PairIndex(1), PairIndex(2)};
alignas(64) constexpr ByteIndex kPackIndex = PackIndex();
alignas(64) constexpr ByteIndex kBlueGreenIndex = BlueGreenIndex();
alignas(64) constexpr ByteIndex kRedIndex = RedIndex();
constexpr __mmask64 kPairBytes = 0x5555555555555555ull;
constexpr __mmask64 kRedBytes = RedBytes();

struct Coefficients {
    __m512i high, middle, low;
};

// Each table entry starts with (high, middle), fetched as one 64-bit
// element: two 8-lane gathers and a split cost far fewer loads than two
// 16-lane gathers.
ORVALIN_AVX512 Coefficients GatherCoefficients(__m512i alpha, __mmask16 lanes, const BlendTable &table)
{
    const __m512i zero = _mm512_setzero_si512();
    const __m512i offsets = _mm512_slli_epi32(alpha, 2);
    const BlendCoefficients *base = table.byAlpha;
    const __m512i firstPairs = _mm512_mask_i32gather_epi64(zero, static_cast<__mmask8>(lanes),
                                                           _mm512_castsi512_si256(offsets), &base->high, 4);
    const __m512i lastPairs = _mm512_mask_i32gather_epi64(zero, static_cast<__mmask8>(lanes >> 8),
                                                          _mm512_extracti64x4_epi64(offsets, 1), &base->high, 4);
    return {_mm512_permutex2var_epi32(firstPairs, _mm512_load_si512(kEvenDwords.data()), lastPairs),
            _mm512_permutex2var_epi32(firstPairs, _mm512_load_si512(kOddDwords.data()), lastPairs),
            _mm512_mask_i32gather_epi32(zero, lanes, offsets, &base->low, 4)};
}

ORVALIN_AVX512 Coefficients LoadCoefficients(__m512i alpha, __mmask16 lanes, uint8_t firstAlpha,
                                            const BlendTable &table)
{
    const __m512i first = _mm512_set1_epi32(firstAlpha);
    if (_mm512_mask_cmpeq_epi32_mask(lanes, alpha, first) == lanes) {
        const BlendCoefficients &c = table.byAlpha[firstAlpha];
        return {_mm512_set1_epi32(static_cast<int>(c.high)), _mm512_set1_epi32(static_cast<int>(c.middle)),
                _mm512_set1_epi32(static_cast<int>(c.low))};
    }
    return GatherCoefficients(alpha, lanes, table);
}

template <int Channel>
ORVALIN_AVX512 __m512i BlendChannel16(__m512i sprite, __m512i work, const Coefficients &c)
{
    const __m512i index = _mm512_load_si512(kPairIndex[Channel].data());
    const __m512i pair = _mm512_maskz_permutex2var_epi8(kPairBytes, sprite, index, work);
    const __m512i high = _mm512_slli_epi32(_mm512_madd_epi16(pair, c.high), 12);
    const __m512i middle = _mm512_madd_epi16(pair, c.middle);
    const __m512i low = _mm512_srli_epi32(_mm512_madd_epi16(pair, c.low), 14);
    return _mm512_add_epi32(_mm512_add_epi32(high, middle), low);
}

ORVALIN_AVX512 __m512i PackChannels(__m512i blue, __m512i green, __m512i red)
{
    const __m512i blueGreen = _mm512_permutex2var_epi8(blue, _mm512_load_si512(kBlueGreenIndex.data()), green);
    return _mm512_mask_permutexvar_epi8(blueGreen, kRedBytes, _mm512_load_si512(kRedIndex.data()), red);
}

// The work row is read and written with exactly 48-byte accesses for whole
// chunks: a 64-byte masked access would overlap the neighbouring chunk's and
// defeat store-to-load forwarding.
struct WorkAccess {
    int count;
    __mmask64 bytes;
};

ORVALIN_AVX512 __m512i LoadWork(const uint8_t *work, WorkAccess access)
{
    if (access.count < 16)
        return _mm512_maskz_loadu_epi8(access.bytes, work);
    const __m256i head = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(work));
    const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i *>(work + 32));
    return _mm512_inserti32x4(_mm512_castsi256_si512(head), tail, 2);
}

ORVALIN_AVX512 void StoreWork(uint8_t *work, WorkAccess access, __m512i packed)
{
    if (access.count < 16) {
        _mm512_mask_storeu_epi8(work, access.bytes, packed);
        return;
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(work), _mm512_castsi512_si256(packed));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(work + 32), _mm512_extracti32x4_epi32(packed, 2));
}

ORVALIN_AVX512 void BlendChunk(const uint8_t *sprite, uint8_t *work, int count, const BlendTable &table)
{
    const __mmask16 lanes = _cvtu32_mask16((1u << count) - 1u);
    const WorkAccess access = {count, _cvtu64_mask64((uint64_t{1} << (3 * count)) - 1u)};
    const __m512i pixels = _mm512_maskz_loadu_epi32(lanes, sprite);
    const __m512i alpha = _mm512_srli_epi32(pixels, 24);
    if (_mm512_mask_cmpneq_epi32_mask(lanes, alpha, _mm512_setzero_si512()) == 0)
        return;
    if (table.copiesOpaque && _mm512_mask_cmpeq_epi32_mask(lanes, alpha, _mm512_set1_epi32(255)) == lanes) {
        StoreWork(work, access, _mm512_permutexvar_epi8(_mm512_load_si512(kPackIndex.data()), pixels));
        return;
    }
    const __m512i under = LoadWork(work, access);
    const Coefficients c = LoadCoefficients(alpha, lanes, sprite[3], table);
    StoreWork(work, access,
              PackChannels(BlendChannel16<0>(pixels, under, c), BlendChannel16<1>(pixels, under, c),
                           BlendChannel16<2>(pixels, under, c)));
}

} // namespace

ORVALIN_AVX512 void BlendRowAvx512(const uint8_t *spriteRow, uint8_t *workRow, int width,
                                   const BlendTable &table)
{
    for (int column = 0; column < width; column += 16)
        BlendChunk(spriteRow + 4 * column, workRow + 3 * column, std::min(16, width - column), table);
}

} // namespace orvalin
