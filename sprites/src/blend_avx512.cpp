// Blocks of up to 64 pixels look up their coefficients with byte permutes
// when two or more of their 16-pixel chunks have differing alphas, else
// gather them for the one chunk that needs them; the second kernel always
// gathers, for processors whose two-table byte permute is slow (Intel's
// holds its one shuffle port for two cycles). Masked loads and stores cover
// a short last block, so nothing outside either row is touched. Whole blocks
// are a separate instance: with the count unknown they run slower.
#include "blend_kernels.h"

// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked AVX-512 intrinsics as uninitialised once they are inlined.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif

#include <immintrin.h>

#include <algorithm>
#include <array>
#include <cstring>

#define ORVALIN_AVX512 __attribute__((target("avx512f,avx512bw,avx512vbmi,avx512vnni")))
// The loops over planes and chunks must be unrolled so that their vectors stay
// in registers; GCC's -O2 leaves them rolled and spills every one of them,
// which costs about a quarter of a block.
#define ORVALIN_UNROLLED _Pragma("GCC unroll 16")

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

// The alphas of a 64-pixel block, pixel 16k + 4l + i at byte 16l + 4k + i:
// unpacking the looked-up byte planes works within 128-bit lanes, and this
// order makes it give chunk k's coefficients in pixel order. Bytes with
// k >= 2 come from the second pair of chunks (kUpperChunkBytes).
constexpr ByteIndex BlockAlphaIndex()
{
    ByteIndex index{};
    for (int lane = 0; lane < 4; ++lane)
        ORVALIN_UNROLLED
        for (int chunk = 0; chunk < 4; ++chunk)
            for (int i = 0; i < 4; ++i)
                index[16 * lane + 4 * chunk + i] = static_cast<uint8_t>((chunk & 1) * 64 + 16 * lane + 4 * i + 3);
    return index;
}

// Chunk k's alphas as 32-bit lanes in pixel order, from a block's alphas.
constexpr ByteIndex ChunkAlphaIndex(int chunk)
{
    ByteIndex index{};
    for (int pixel = 0; pixel < 16; ++pixel)
        index[4 * pixel] = static_cast<uint8_t>(16 * (pixel / 4) + 4 * chunk + pixel % 4);
    return index;
}

// Every byte of chunk k's alphas replaced by the alpha of its first pixel.
constexpr ByteIndex ChunkFirstAlphaIndex()
{
    ByteIndex index{};
    for (int position = 0; position < 64; ++position)
        index[position] = static_cast<uint8_t>(position % 16 / 4 * 4);
    return index;
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
alignas(64) constexpr ByteIndex kBlockAlphaIndex = BlockAlphaIndex();
alignas(64) constexpr ByteIndex kChunkFirstAlphaIndex = ChunkFirstAlphaIndex();
alignas(64) constexpr ByteIndex kChunkAlphaIndex[4] = {ChunkAlphaIndex(0), ChunkAlphaIndex(1), ChunkAlphaIndex(2),
                                                       ChunkAlphaIndex(3)};
constexpr __mmask64 kDwordLowBytes = 0x1111111111111111ull;
constexpr __mmask64 kUpperChunkBytes = 0xFF00FF00FF00FF00ull;
constexpr uint64_t kChunkBytes = 0x000F000F000F000Full; // chunk 0's alphas; chunk k's are 4k bits up

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

ORVALIN_AVX512 Coefficients Broadcast(const BlendCoefficients &c)
{
    return {_mm512_set1_epi32(static_cast<int>(c.high)), _mm512_set1_epi32(static_cast<int>(c.middle)),
            _mm512_set1_epi32(static_cast<int>(c.low))};
}

// One byte plane for 64 alphas: two 128-entry permutes, picked by bit 7.
ORVALIN_AVX512 __m512i LookUpPlane(const uint8_t *plane, __m512i alpha, __mmask64 upperHalf)
{
    const __m512i lower = _mm512_permutex2var_epi8(_mm512_load_si512(plane), alpha, _mm512_load_si512(plane + 64));
    const __m512i upper =
        _mm512_permutex2var_epi8(_mm512_load_si512(plane + 128), alpha, _mm512_load_si512(plane + 192));
    return _mm512_mask_blend_epi8(upperHalf, lower, upper);
}

// Four byte planes into the 32-bit values of chunks 0 to 3.
ORVALIN_AVX512 void JoinPlanes(__m512i byte0, __m512i byte1, __m512i byte2, __m512i byte3, __m512i (&chunks)[4])
{
    const __m512i low01 = _mm512_unpacklo_epi8(byte0, byte1), high01 = _mm512_unpackhi_epi8(byte0, byte1);
    const __m512i low23 = _mm512_unpacklo_epi8(byte2, byte3), high23 = _mm512_unpackhi_epi8(byte2, byte3);
    chunks[0] = _mm512_unpacklo_epi16(low01, low23);
    chunks[1] = _mm512_unpackhi_epi16(low01, low23);
    chunks[2] = _mm512_unpacklo_epi16(high01, high23);
    chunks[3] = _mm512_unpackhi_epi16(high01, high23);
}

// The coefficients of a sprite's palette (at most 128 alphas), one or two
// 64-entry byte tables per plane, looked up once per call: a block then needs
// one permute per plane instead of two two-table ones and a blend. Half a
// palette (at most 64 alphas) takes a single-table permute, a tenth quicker.
struct PaletteTables {
    __m512i planes[kCoefficientPlanes][2];
};

template <int Halves> ORVALIN_AVX512 PaletteTables LookUpPalette(const uint8_t *palette, const BlendTable &table)
{
    PaletteTables tables;
    for (int half = 0; half < Halves; ++half) {
        const __m512i alphas = _mm512_loadu_si512(palette + 64 * half);
        const __mmask64 upperHalf = _mm512_movepi8_mask(alphas);
        ORVALIN_UNROLLED
        for (int plane = 0; plane < kCoefficientPlanes; ++plane)
            tables.planes[plane][half] = LookUpPlane(table.planes[plane], alphas, upperHalf);
    }
    return tables;
}

// Inlined, as the lookups below: as a call, its twelve result vectors went
// through the stack, and 44-pixel rows took a tenth longer.
ORVALIN_AVX512 inline __attribute__((always_inline)) void JoinCoefficients(const __m512i (&planes)[kCoefficientPlanes],
                                                                          Coefficients (&chunks)[4])
{
    __m512i high[4], middle[4], low[4];
    JoinPlanes(planes[0], planes[1], planes[2], planes[3], high);
    JoinPlanes(planes[4], planes[5], planes[6], planes[7], middle);
    JoinPlanes(planes[8], planes[9], _mm512_setzero_si512(), _mm512_setzero_si512(), low);
    ORVALIN_UNROLLED
    for (int chunk = 0; chunk < 4; ++chunk)
        chunks[chunk] = {high[chunk], middle[chunk], low[chunk]};
}

ORVALIN_AVX512 inline __attribute__((always_inline)) void LookUpBlock(__m512i alpha, const BlendTable &table,
                                                                     Coefficients (&chunks)[4])
{
    const __mmask64 upperHalf = _mm512_movepi8_mask(alpha);
    __m512i planes[kCoefficientPlanes];
    ORVALIN_UNROLLED
    for (int plane = 0; plane < kCoefficientPlanes; ++plane)
        planes[plane] = LookUpPlane(table.planes[plane], alpha, upperHalf);
    JoinCoefficients(planes, chunks);
}

// `places` are the block's pixels' places in the palette, in alpha order.
template <int Halves>
ORVALIN_AVX512 inline __attribute__((always_inline)) void LookUpBlockInPalette(__m512i places,
                                                                              const PaletteTables &palette,
                                                                              Coefficients (&chunks)[4])
{
    __m512i planes[kCoefficientPlanes];
    ORVALIN_UNROLLED
    for (int plane = 0; plane < kCoefficientPlanes; ++plane)
        planes[plane] = Halves == 1
                            ? _mm512_permutexvar_epi8(places, palette.planes[plane][0])
                            : _mm512_permutex2var_epi8(palette.planes[plane][0], places, palette.planes[plane][1]);
    JoinCoefficients(planes, chunks);
}

// Channel k of 16 pixels as 32-bit lanes holding the words (sprite, work),
// from the pixels or from prepared pairs.
template <int Channel> ORVALIN_AVX512 __m512i PairOf(__m512i sprite, __m512i work)
{
    return _mm512_maskz_permutex2var_epi8(kPairBytes, sprite, _mm512_load_si512(kPairIndex[Channel].data()), work);
}

template <int Channel> ORVALIN_AVX512 __m512i PairFrom(const uint8_t *pairs)
{
    return _mm512_cvtepu8_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i *>(pairs + 32 * Channel)));
}

// Without the low term when its factor is zero for all sixteen pixels.
template <bool kLowTerm> ORVALIN_AVX512 __m512i BlendPair(__m512i pair, const Coefficients &c)
{
    const __m512i high = _mm512_slli_epi32(_mm512_madd_epi16(pair, c.high), 12);
    // The middle product is added in the same instruction as it is made.
    if (!kLowTerm)
        return _mm512_dpwssd_epi32(high, pair, c.middle);
    const __m512i low = _mm512_mulhi_epu16(pair, c.low);
    return _mm512_dpwssd_epi32(_mm512_add_epi32(high, low), pair, c.middle);
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

// Where a chunk's coefficients come from, decided for the whole block.
enum class ChunkAlphas { Transparent, CopiedOpaque, Uniform, Varied };

// Blends one chunk of `count` pixels with the coefficients `c`, from its
// prepared pairs when there are any.
template <bool Paired, bool kLowTerm = true>
ORVALIN_AVX512 inline __attribute__((always_inline)) void BlendPixels(__m512i pixels, const uint8_t *underRow,
                                                                     const uint8_t *pairs, uint8_t *out,
                                                                     WorkAccess access, const Coefficients &c)
{
    if constexpr (Paired) {
        StoreWork(out, access,
                  PackChannels(BlendPair<kLowTerm>(PairFrom<0>(pairs), c), BlendPair<kLowTerm>(PairFrom<1>(pairs), c),
                               BlendPair<kLowTerm>(PairFrom<2>(pairs), c)));
        return;
    }
    const __m512i under = LoadWork(underRow, access);
    StoreWork(out, access,
              PackChannels(BlendPair<kLowTerm>(PairOf<0>(pixels, under), c),
                           BlendPair<kLowTerm>(PairOf<1>(pixels, under), c),
                           BlendPair<kLowTerm>(PairOf<2>(pixels, under), c)));
}

// A chunk of the sprite's pixels: 16, or the first `count` of them.
ORVALIN_AVX512 inline __m512i LoadSpriteChunk(const uint8_t *sprite, int count, bool whole)
{
    return whole ? _mm512_loadu_si512(sprite) : _mm512_maskz_loadu_epi32(_cvtu32_mask16((1u << count) - 1u), sprite);
}

// What a chunk's blend needs of the sprite: its pixels to copy them, their
// alphas as 32-bit lanes, the first pixel's alpha. Without prepared pairs
// all of it comes from `pixels`, loaded with the block; with them, from the
// block's alphas, and the pixels are read from `sprite` only to be copied.
struct ChunkSprite {
    const uint8_t *sprite;
    __m512i pixels;
    __m512i blockAlphas;
    int chunk;
};

template <bool Paired> ORVALIN_AVX512 inline __m512i PixelsOf(const ChunkSprite &in, int count)
{
    return Paired ? LoadSpriteChunk(in.sprite, count, count == 16) : in.pixels;
}

template <bool Paired> ORVALIN_AVX512 inline __m512i AlphaLanesOf(const ChunkSprite &in)
{
    return Paired ? _mm512_maskz_permutexvar_epi8(kDwordLowBytes, _mm512_load_si512(kChunkAlphaIndex[in.chunk].data()),
                                                  in.blockAlphas)
                  : _mm512_srli_epi32(in.pixels, 24);
}

template <bool Paired> ORVALIN_AVX512 inline int FirstAlphaOf(const ChunkSprite &in, const uint8_t *pairs)
{
    return Paired ? pairs[4 * in.chunk] : _mm_extract_epi8(_mm512_castsi512_si128(in.pixels), 3);
}

// `looked` holds the chunk's coefficients when the block looked them up;
// without it a varied chunk gathers them. `pairs` is the block's.
template <bool Paired>
ORVALIN_AVX512 inline __attribute__((always_inline)) void BlendChunk(const ChunkSprite &in, const uint8_t *underRow,
                                                                    const uint8_t *pairs, uint8_t *out, int count,
                                                                    ChunkAlphas alphas, const BlendTable &table,
                                                                    const Coefficients *looked)
{
    const WorkAccess access = {count, _cvtu64_mask64((uint64_t{1} << (3 * count)) - 1u)};
    const __m512i pixels = in.pixels;
    const uint8_t *chunkPairs = Paired ? pairs + kPairBlockChunksAt + kPairChunkBytes * in.chunk : nullptr;
    switch (alphas) {
    case ChunkAlphas::Transparent:
        if (out != underRow)
            StoreWork(out, access, LoadWork(underRow, access));
        return;
    case ChunkAlphas::CopiedOpaque:
        StoreWork(out, access,
                  _mm512_permutexvar_epi8(_mm512_load_si512(kPackIndex.data()), PixelsOf<Paired>(in, count)));
        return;
    case ChunkAlphas::Uniform: {
        // A zero low factor (every a of at least 0.5, the inside of a round
        // sprite at most opacities) spares three of the nine multiplies.
        const BlendCoefficients &entry = table.byAlpha[FirstAlphaOf<Paired>(in, pairs)];
        if (entry.low == 0)
            BlendPixels<Paired, false>(pixels, underRow, chunkPairs, out, access, Broadcast(entry));
        else
            BlendPixels<Paired>(pixels, underRow, chunkPairs, out, access, Broadcast(entry));
        return;
    }
    case ChunkAlphas::Varied:
        BlendPixels<Paired>(pixels, underRow, chunkPairs, out, access,
                            looked != nullptr ? *looked
                                              : GatherCoefficients(AlphaLanesOf<Paired>(in),
                                                                   _cvtu32_mask16((1u << count) - 1u), table));
        return;
    }
}

// Pixels of chunk `chunk` among a block's first `count`, 0 to 16.
constexpr int ChunkCount(int count, int chunk) { return std::clamp(count - 16 * chunk, 0, 16); }

// The block's alpha bytes (in the order of kBlockAlphaIndex) that are
// transparent, opaque, and unlike their chunk's first, as bit masks.
struct AlphaBits {
    uint64_t transparent, opaque, differing;
};

ORVALIN_AVX512 AlphaBits ClassifyAlphas(__m512i alpha)
{
    const __m512i firstAlphas = _mm512_permutexvar_epi8(_mm512_load_si512(kChunkFirstAlphaIndex.data()), alpha);
    return {_cvtmask64_u64(_mm512_testn_epi8_mask(alpha, alpha)),
            _cvtmask64_u64(_mm512_cmpeq_epi8_mask(alpha, _mm512_set1_epi8(-1))),
            _cvtmask64_u64(_mm512_cmpneq_epi8_mask(alpha, firstAlphas))};
}

// A short chunk's missing pixels read as transparent, so it is never taken
// for opaque or uniform: it is blended in full, which is always exact.
ORVALIN_AVX512 inline ChunkAlphas AlphasOf(const AlphaBits &bits, int chunk, bool copiesOpaque)
{
    const uint64_t own = kChunkBytes << (4 * chunk);
    if ((bits.transparent & own) == own)
        return ChunkAlphas::Transparent;
    if (copiesOpaque && (bits.opaque & own) == own)
        return ChunkAlphas::CopiedOpaque;
    return (bits.differing & own) == 0 ? ChunkAlphas::Uniform : ChunkAlphas::Varied;
}

// How a block's varied chunks get their coefficients: looked up for the
// whole block (from all 256 alphas, or from the prepared pairs' palette of
// at most 64 or 128) when two or more chunks have differing alphas, else
// gathered.
enum class Fetch { LookUpWhenShared, HalfPaletteWhenShared, PaletteWhenShared, Gather };

constexpr int PaletteHalves(Fetch source)
{
    return source == Fetch::HalfPaletteWhenShared ? 1 : source == Fetch::PaletteWhenShared ? 2 : 0;
}

// `count` pixels, 64 in a whole block (a row's last block may be shorter: the
// pixels beyond it are neither read nor written). `palette` only for the
// palette fetches.
template <Fetch Source, bool Paired, bool Whole>
ORVALIN_AVX512 inline __attribute__((always_inline)) void BlendBlock(const uint8_t *sprite, const uint8_t *under,
                                                                    const uint8_t *pairs, uint8_t *out, int count,
                                                                    const BlendTable &table,
                                                                    const PaletteTables *palette)
{
    __m512i pixels[4];
    __m512i alpha;
    if constexpr (Paired) {
        ORVALIN_UNROLLED
        for (int chunk = 0; chunk < 4; ++chunk)
            pixels[chunk] = _mm512_setzero_si512();
        alpha = _mm512_loadu_si512(pairs);
    } else {
        ORVALIN_UNROLLED
        for (int chunk = 0; chunk < 4; ++chunk)
            pixels[chunk] = LoadSpriteChunk(sprite + 64 * chunk, ChunkCount(count, chunk), Whole);
        const __m512i index = _mm512_load_si512(kBlockAlphaIndex.data());
        alpha = _mm512_mask_blend_epi8(kUpperChunkBytes, _mm512_permutex2var_epi8(pixels[0], index, pixels[1]),
                                       _mm512_permutex2var_epi8(pixels[2], index, pixels[3]));
    }
    const AlphaBits bits = ClassifyAlphas(alpha);
    if (bits.transparent == ~uint64_t{0}) {
        if (out != under)
            std::memcpy(out, under, Whole ? 192 : 3 * static_cast<size_t>(count));
        return;
    }
    ChunkAlphas alphas[4];
    int variedChunks = 0;
    ORVALIN_UNROLLED
    for (int chunk = 0; chunk < 4; ++chunk) {
        alphas[chunk] = AlphasOf(bits, chunk, table.copiesOpaque);
        variedChunks += alphas[chunk] == ChunkAlphas::Varied;
    }
    // The lookup costs about as much as gathering for two chunks, where
    // byte permutes are cheap.
    Coefficients looked[4];
    const bool lookUp = Source != Fetch::Gather && variedChunks > 1;
    if (lookUp && PaletteHalves(Source) != 0)
        LookUpBlockInPalette<PaletteHalves(Source)>(_mm512_loadu_si512(pairs + kPairBlockPlacesAt), *palette,
                                                    looked);
    else if (lookUp)
        LookUpBlock(alpha, table, looked);
    ORVALIN_UNROLLED
    for (int chunk = 0; chunk < 4; ++chunk) {
        const int chunkCount = Whole ? 16 : ChunkCount(count, chunk);
        if (chunkCount > 0)
            BlendChunk<Paired>(ChunkSprite{sprite + 64 * chunk, pixels[chunk], alpha, chunk}, under + 48 * chunk, pairs,
                               out + 48 * chunk, chunkCount, alphas[chunk], table, lookUp ? &looked[chunk] : nullptr);
    }
}

// Each block's prepared pairs start kPairBlockBytes after the previous one's.
template <Fetch Source, bool Paired>
ORVALIN_AVX512 inline __attribute__((always_inline)) void BlendRow(const uint8_t *spriteRow, const uint8_t *underRow,
                                                                  const uint8_t *pairsRow, uint8_t *outRow, int width,
                                                                  const BlendTable &table,
                                                                  const PaletteTables *palette)
{
    const auto pairsAt = [pairsRow](int column) {
        return Paired ? pairsRow + column / 64 * kPairBlockBytes : nullptr;
    };
    int column = 0;
    for (; column + 64 <= width; column += 64)
        BlendBlock<Source, Paired, true>(spriteRow + 4 * column, underRow + 3 * column, pairsAt(column),
                                         outRow + 3 * column, 64, table, palette);
    if (column < width)
        BlendBlock<Source, Paired, false>(spriteRow + 4 * column, underRow + 3 * column, pairsAt(column),
                                          outRow + 3 * column, width - column, table, palette);
}

// Without prepared pairs (Paired false, `pairs` null) the kernel pairs the
// pixels itself.
template <Fetch Source, bool Paired>
ORVALIN_AVX512 void BlendRows(const uint8_t *sprite, const uint8_t *pairs, const uint8_t *under, uint8_t *out,
                              int width, int height, size_t stride, const BlendTable &table)
{
    PaletteTables tables;
    const PaletteTables *palette = nullptr;
    if constexpr (PaletteHalves(Source) != 0) {
        tables = LookUpPalette<PaletteHalves(Source)>(pairs, table);
        palette = &tables;
    }
    const size_t spriteStride = static_cast<size_t>(width) * 4;
    const size_t pairsStride = BlendPairsRowBytes(width);
    for (int row = 0; row < height; ++row) {
        const size_t offset = stride * static_cast<size_t>(row);
        BlendRow<Source, Paired>(sprite + spriteStride * static_cast<size_t>(row), under + offset,
                                 Paired ? pairs + kPairsHeaderBytes + pairsStride * static_cast<size_t>(row) : nullptr,
                                 out + offset, width, table, palette);
    }
}

} // namespace

void BlendRowsAvx512(const uint8_t *sprite, const uint8_t *under, uint8_t *out, int width, int height, size_t stride,
                     const BlendTable &table)
{
    BlendRows<Fetch::LookUpWhenShared, false>(sprite, nullptr, under, out, width, height, stride, table);
}

void BlendRowsAvx512Gathered(const uint8_t *sprite, const uint8_t *under, uint8_t *out, int width, int height,
                             size_t stride, const BlendTable &table)
{
    BlendRows<Fetch::Gather, false>(sprite, nullptr, under, out, width, height, stride, table);
}

void BlendPairedAvx512(const uint8_t *sprite, const uint8_t *pairs, const uint8_t *under, uint8_t *out, int width,
                       int height, size_t stride, const BlendTable &table)
{
    const int paletteCount = pairs[kPairsPaletteCountAt];
    if (paletteCount > 64)
        BlendRows<Fetch::PaletteWhenShared, true>(sprite, pairs, under, out, width, height, stride, table);
    else if (paletteCount != 0)
        BlendRows<Fetch::HalfPaletteWhenShared, true>(sprite, pairs, under, out, width, height, stride, table);
    else
        BlendRows<Fetch::LookUpWhenShared, true>(sprite, pairs, under, out, width, height, stride, table);
}

void BlendPairedAvx512Gathered(const uint8_t *sprite, const uint8_t *pairs, const uint8_t *under, uint8_t *out,
                               int width, int height, size_t stride, const BlendTable &table)
{
    BlendRows<Fetch::Gather, true>(sprite, pairs, under, out, width, height, stride, table);
}

} // namespace orvalin
