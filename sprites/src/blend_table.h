// The pixel blend as exact integer arithmetic.
//
// For one call's opacity o and a sprite alpha, a = float(alpha / 255 * o) is
// a multiple of 2^-38 and inv = float(1 - a) a multiple of 2^-24, so with
// A = a * 2^38 and I = inv * 2^24 the rule's double sum s*a + d*inv is exact
// and its truncation equals floor((s*A + d*I*2^14) / 2^38). Splitting A and
// I*2^14 into 16-bit-friendly pieces lets every kernel evaluate that with
// pairwise 16-bit multiply-adds and 32-bit sums that cannot overflow:
//   high   = s*(A>>26)        + d*(I>>12)
//   middle = s*((A>>14)&4095) + d*(I&4095)
//   low    = s*((A&16383)<<2) >> 16      (one unsigned high-half multiply)
//   result = ((high << 12) + middle + low) >> 24
#ifndef ORVALIN_BLEND_TABLE_H
#define ORVALIN_BLEND_TABLE_H

#include <cstdint>

namespace orvalin {

// Each word pair is (sprite colour factor, work pixel factor) as the
// low and high 16 bits of one 32-bit value; `low` has no work pixel factor.
struct BlendCoefficients {
    uint32_t high;
    uint32_t middle;
    uint32_t low;
    uint32_t unused;
};
static_assert(sizeof(BlendCoefficients) == 16, "kernels gather entries at a 16-byte stride");

// Bytes 0-3 of `high`, 0-3 of `middle` and 0-1 of `low` (below 2^16).
constexpr int kCoefficientPlanes = 10;

struct BlendTable {
    BlendCoefficients byAlpha[256];
    // The same coefficients one byte per alpha and plane, for kernels that
    // look up a whole block of alphas with byte permutes instead of gathers.
    alignas(64) uint8_t planes[kCoefficientPlanes][256];
    // Opacity exactly 1.0: opaque sprite pixels are copied without arithmetic.
    bool copiesOpaque;
};

void BuildBlendTable(float opacity, BlendTable &table);

// One colour channel through the coefficients of its pixel's alpha.
inline uint8_t BlendChannel(const BlendCoefficients &c, uint32_t sprite, uint32_t under)
{
    const uint32_t pair = sprite | (under << 16);
    auto madd = [pair](uint32_t coefficients) {
        return (pair & 0xFFFFu) * (coefficients & 0xFFFFu) + (pair >> 16) * (coefficients >> 16);
    };
    return static_cast<uint8_t>(((madd(c.high) << 12) + madd(c.middle) + (madd(c.low) >> 16)) >> 24);
}

} // namespace orvalin

#endif
