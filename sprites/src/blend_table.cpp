#include "blend_table.h"

#include <cmath>

namespace orvalin {
namespace {

BlendCoefficients CoefficientsFor(int alpha, float opacity)
{
    if (alpha == 0) {
        // The work pixel stays as it is: a = 0, inv = 1.
        return {uint32_t{1} << 28, 0, 0, 0};
    }
    const float a = static_cast<float>(static_cast<double>(alpha) / 255.0 * static_cast<double>(opacity));
    const float inv = static_cast<float>(1.0 - static_cast<double>(a));
    // Both scalings are exact: a and inv are multiples of 2^-38 and 2^-24.
    const auto scaledA = static_cast<uint64_t>(std::ldexp(static_cast<double>(a), 38));
    const auto scaledInv = static_cast<uint32_t>(std::ldexp(static_cast<double>(inv), 24));
    BlendCoefficients c{};
    c.high = static_cast<uint32_t>(scaledA >> 26) | ((scaledInv >> 12) << 16);
    c.middle = static_cast<uint32_t>((scaledA >> 14) & 0xFFFu) | ((scaledInv & 0xFFFu) << 16);
    c.low = static_cast<uint32_t>(scaledA & 0x3FFFu);
    return c;
}

} // namespace

void BuildBlendTable(float opacity, BlendTable &table)
{
    for (int alpha = 0; alpha < 256; ++alpha)
        table.byAlpha[alpha] = CoefficientsFor(alpha, opacity);
    table.copiesOpaque = opacity == 1.0f;
}

} // namespace orvalin
