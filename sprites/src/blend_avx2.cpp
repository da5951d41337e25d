// Eight pixels a step. The last width % 8 pixels of a row are one more step
// that overlaps the one before it when the output is a separate row, else
// they go through the portable kernel; every load and store stays inside
// the row.
#include "blend_kernels.h"

#include <immintrin.h>

#include <array>
#include <cstring>

#define ORVALIN_AVX2 __attribute__((target("avx2")))

namespace orvalin {
namespace {

// Within each 128-bit half (four pixels): the sprite's channel k into byte
// 4j, the work row's channel k into byte 4j+2, zero elsewhere. The work
// pixels of the high half start at its byte 4 (see LoadWork).
#define ORVALIN_SPRITE_CHANNEL(k) \
    _mm256_setr_epi8(k, -1, -1, -1, 4 + k, -1, -1, -1, 8 + k, -1, -1, -1, 12 + k, -1, -1, -1, \
                     k, -1, -1, -1, 4 + k, -1, -1, -1, 8 + k, -1, -1, -1, 12 + k, -1, -1, -1)
#define ORVALIN_WORK_CHANNEL(k) \
    _mm256_setr_epi8(-1, -1, k, -1, -1, -1, 3 + k, -1, -1, -1, 6 + k, -1, -1, -1, 9 + k, -1, \
                     -1, -1, 4 + k, -1, -1, -1, 7 + k, -1, -1, -1, 10 + k, -1, -1, -1, 13 + k, -1)

using ByteIndex = std::array<int8_t, 32>;

// Channel k's results, the top bytes of each half's four lanes, into that
// half's bytes 3j+k; zero elsewhere.
constexpr ByteIndex PlaceIndex(int channel)
{
    ByteIndex index{};
    index.fill(-1);
    for (int half = 0; half < 2; ++half)
        for (int lane = 0; lane < 4; ++lane)
            index[16 * half + 3 * lane + channel] = static_cast<int8_t>(4 * lane + 3);
    return index;
}

alignas(32) constexpr ByteIndex kPlaceIndex[3] = {PlaceIndex(0), PlaceIndex(1), PlaceIndex(2)};

struct Coefficients {
    __m256i high, middle, low;
};

// The 24 bytes of eight work pixels with two 16-byte loads that stay inside
// them: the low half holds pixels 0-3 from byte 0, the high half pixels 4-7
// from byte 4.
ORVALIN_AVX2 __m256i LoadWork(const uint8_t *work)
{
    return _mm256_set_m128i(_mm_loadu_si128(reinterpret_cast<const __m128i *>(work + 8)),
                            _mm_loadu_si128(reinterpret_cast<const __m128i *>(work)));
}

// Stores the first 12 bytes of each half as 24 consecutive bytes.
ORVALIN_AVX2 void StoreWork(uint8_t *work, __m256i halves)
{
    const __m256i joined = _mm256_permutevar8x32_epi32(halves, _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(work), _mm256_castsi256_si128(joined));
    _mm_storel_epi64(reinterpret_cast<__m128i *>(work + 16), _mm256_extracti128_si256(joined, 1));
}

// Blue, green, red of eight four-byte pixels.
ORVALIN_AVX2 void StorePacked(uint8_t *work, __m256i pixels)
{
    const __m256i pack = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,
                                          0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    StoreWork(work, _mm256_shuffle_epi8(pixels, pack));
}

// Entry (high, middle, low, unused) of pixel i in lane half i / 4.
ORVALIN_AVX2 __m256i EntryPair(const uint8_t *sprite, int i, const BlendTable &table)
{
    const auto *first = reinterpret_cast<const __m128i *>(&table.byAlpha[sprite[4 * i + 3]]);
    const auto *second = reinterpret_cast<const __m128i *>(&table.byAlpha[sprite[4 * i + 19]]);
    return _mm256_inserti128_si256(_mm256_castsi128_si256(_mm_load_si128(first)), _mm_load_si128(second), 1);
}

// One entry for all eight pixels.
ORVALIN_AVX2 Coefficients BroadcastCoefficients(const BlendCoefficients &entry)
{
    return {_mm256_set1_epi32(static_cast<int>(entry.high)), _mm256_set1_epi32(static_cast<int>(entry.middle)),
            _mm256_set1_epi32(static_cast<int>(entry.low))};
}

// Eight entries loaded one by one and transposed: on processors that split
// 256-bit work (gathers above all) this is several times faster than gathering.
ORVALIN_AVX2 Coefficients GatherCoefficients(const uint8_t *sprite, const BlendTable &table)
{
    const __m256i entries0 = EntryPair(sprite, 0, table), entries1 = EntryPair(sprite, 1, table);
    const __m256i entries2 = EntryPair(sprite, 2, table), entries3 = EntryPair(sprite, 3, table);
    const __m256i highMiddle01 = _mm256_unpacklo_epi32(entries0, entries1);
    const __m256i highMiddle23 = _mm256_unpacklo_epi32(entries2, entries3);
    const __m256i low01 = _mm256_unpackhi_epi32(entries0, entries1);
    const __m256i low23 = _mm256_unpackhi_epi32(entries2, entries3);
    return {_mm256_unpacklo_epi64(highMiddle01, highMiddle23), _mm256_unpackhi_epi64(highMiddle01, highMiddle23),
            _mm256_unpacklo_epi64(low01, low23)};
}

// Whether all eight pixels have the first one's alpha: one byte compare
// against the first pixel, read at the alpha bytes, so the common chunks
// (transparent, opaque, one alpha) need no alpha vector of their own.
ORVALIN_AVX2 bool SharesFirstAlpha(__m256i pixels, const uint8_t *sprite)
{
    uint32_t first;
    std::memcpy(&first, sprite, sizeof first);
    const __m256i equal = _mm256_cmpeq_epi8(pixels, _mm256_set1_epi32(static_cast<int>(first)));
    constexpr uint32_t kAlphaBytes = 0x88888888u;
    return (static_cast<uint32_t>(_mm256_movemask_epi8(equal)) & kAlphaBytes) == kAlphaBytes;
}

ORVALIN_AVX2 __m256i PlaceChannel(__m256i results, int channel)
{
    const auto *index = reinterpret_cast<const __m256i *>(kPlaceIndex[channel].data());
    return _mm256_shuffle_epi8(results, _mm256_load_si256(index));
}

// The blended channel in the top byte of each lane; the rest is discarded.
// Without the low term when its factor is zero for all eight pixels.
template <bool kLowTerm>
ORVALIN_AVX2 __m256i BlendChannel8(__m256i spritePart, __m256i workPart, const Coefficients &c)
{
    const __m256i pair = _mm256_or_si256(spritePart, workPart);
    const __m256i high = _mm256_slli_epi32(_mm256_madd_epi16(pair, c.high), 12);
    const __m256i middle = _mm256_madd_epi16(pair, c.middle);
    if (!kLowTerm)
        return _mm256_add_epi32(high, middle);
    const __m256i low = _mm256_mulhi_epu16(pair, c.low);
    return _mm256_add_epi32(_mm256_add_epi32(high, middle), low);
}

template <bool kLowTerm>
ORVALIN_AVX2 void BlendAndStore(__m256i pixels, __m256i under, uint8_t *out, const Coefficients &c)
{
    const __m256i blue = BlendChannel8<kLowTerm>(_mm256_shuffle_epi8(pixels, ORVALIN_SPRITE_CHANNEL(0)),
                                                 _mm256_shuffle_epi8(under, ORVALIN_WORK_CHANNEL(0)), c);
    const __m256i green = BlendChannel8<kLowTerm>(_mm256_shuffle_epi8(pixels, ORVALIN_SPRITE_CHANNEL(1)),
                                                  _mm256_shuffle_epi8(under, ORVALIN_WORK_CHANNEL(1)), c);
    const __m256i red = BlendChannel8<kLowTerm>(_mm256_shuffle_epi8(pixels, ORVALIN_SPRITE_CHANNEL(2)),
                                                _mm256_shuffle_epi8(under, ORVALIN_WORK_CHANNEL(2)), c);
    StoreWork(out,
              _mm256_or_si256(_mm256_or_si256(PlaceChannel(blue, 0), PlaceChannel(green, 1)), PlaceChannel(red, 2)));
}

ORVALIN_AVX2 void BlendChunk(const uint8_t *sprite, const uint8_t *underRow, uint8_t *out, const BlendTable &table)
{
    const __m256i pixels = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(sprite));
    const bool oneAlpha = SharesFirstAlpha(pixels, sprite);
    const uint8_t alpha = sprite[3];
    if (oneAlpha && alpha == 0) {
        if (out != underRow)
            std::memcpy(out, underRow, 24);
        return;
    }
    if (oneAlpha && alpha == 255 && table.copiesOpaque) {
        StorePacked(out, pixels);
        return;
    }
    const __m256i under = LoadWork(underRow);
    // The multiplies bound this step where one pipe does them all. A zero low
    // factor (every a of at least 0.5, and the opaque inside of a round
    // sprite at 30 %) spares a third of them.
    if (oneAlpha && table.byAlpha[alpha].low == 0) {
        BlendAndStore<false>(pixels, under, out, BroadcastCoefficients(table.byAlpha[alpha]));
        return;
    }
    const Coefficients c =
        oneAlpha ? BroadcastCoefficients(table.byAlpha[alpha]) : GatherCoefficients(sprite, table);
    BlendAndStore<true>(pixels, under, out, c);
}

// The row loop and the last step each get their own copy of the step
// (flatten) in functions of their own (noinline): sharing one out-of-line
// step, or inlining both into one function, made rows of 64 pixels 10 to
// 40 % slower.
[[gnu::noinline, gnu::flatten]] ORVALIN_AVX2 void BlendLastChunk(const uint8_t *sprite, const uint8_t *under,
                                                                uint8_t *out, const BlendTable &table)
{
    BlendChunk(sprite, under, out, table);
}

ORVALIN_AVX2 void BlendRow(const uint8_t *spriteRow, const uint8_t *underRow, uint8_t *outRow, int width,
                           const BlendTable &table)
{
    int column = 0;
    for (; column + 8 <= width; column += 8)
        BlendChunk(spriteRow + 4 * column, underRow + 3 * column, outRow + 3 * column, table);
    if (column == width)
        return;
    // Into a separate row, a last step that ends at the row's end blends
    // some pixels a second time from the same under pixels: the same bytes.
    if (outRow != underRow && column != 0) {
        column = width - 8;
        BlendLastChunk(spriteRow + 4 * column, underRow + 3 * column, outRow + 3 * column, table);
        return;
    }
    BlendRowPortable(spriteRow + 4 * column, underRow + 3 * column, outRow + 3 * column, width - column, table);
}

} // namespace

[[gnu::flatten]] ORVALIN_AVX2 void BlendRowsAvx2(const uint8_t *sprite, const uint8_t *under, uint8_t *out, int width,
                                                 int height, size_t stride, const BlendTable &table)
{
    const size_t spriteStride = static_cast<size_t>(width) * 4;
    for (int row = 0; row < height; ++row) {
        const size_t offset = stride * static_cast<size_t>(row);
        BlendRow(sprite + spriteStride * static_cast<size_t>(row), under + offset, out + offset, width, table);
    }
}

} // namespace orvalin
