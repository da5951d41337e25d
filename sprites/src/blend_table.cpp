#include "blend_table.h"

#include <array>

namespace orvalin {
namespace {

// alpha / 255 in double precision, the first step of the rule.
constexpr std::array<double, 256> AlphaFractions()
{
    std::array<double, 256> fractions{};
    for (int alpha = 0; alpha < 256; ++alpha)
        fractions[alpha] = static_cast<double>(alpha) / 255.0;
    return fractions;
}

constexpr std::array<double, 256> kAlphaFractions = AlphaFractions();

BlendCoefficients CoefficientsFor(int alpha, float opacity)
{
    if (alpha == 0) {
        // The work pixel stays as it is: a = 0, inv = 1.
        return {uint32_t{1} << 28, 0, 0, 0};
    }
    const float a = static_cast<float>(kAlphaFractions[alpha] * static_cast<double>(opacity));
    const float inv = static_cast<float>(1.0 - static_cast<double>(a));
    // Both scalings are exact: a and inv are multiples of 2^-38 and 2^-24.
    const auto scaledA = static_cast<uint64_t>(static_cast<double>(a) * 0x1p38);
    const auto scaledInv = static_cast<uint32_t>(static_cast<double>(inv) * 0x1p24);
    BlendCoefficients c{};
    c.high = static_cast<uint32_t>(scaledA >> 26) | ((scaledInv >> 12) << 16);
    c.middle = static_cast<uint32_t>((scaledA >> 14) & 0xFFFu) | ((scaledInv & 0xFFFu) << 16);
    c.low = static_cast<uint32_t>(scaledA & 0x3FFFu) << 2;
    return c;
}

} // namespace

void BuildBlendTable(float opacity, BlendTable &table)
{
    for (int alpha = 0; alpha < 256; ++alpha) {
        const BlendCoefficients c = CoefficientsFor(alpha, opacity);
        table.byAlpha[alpha] = c;
        for (int byte = 0; byte < 4; ++byte) {
            table.planes[byte][alpha] = static_cast<uint8_t>(c.high >> (8 * byte));
            table.planes[4 + byte][alpha] = static_cast<uint8_t>(c.middle >> (8 * byte));
        }
        table.planes[8][alpha] = static_cast<uint8_t>(c.low);
        table.planes[9][alpha] = static_cast<uint8_t>(c.low >> 8);
    }
    table.copiesOpaque = opacity == 1.0f;
}

} // namespace orvalin
