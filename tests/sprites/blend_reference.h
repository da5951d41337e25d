// The pixel blend written out plainly, one channel at a time, with the
// double and float steps exactly as the rule states them.
#ifndef ORVALIN_TESTS_BLEND_REFERENCE_H
#define ORVALIN_TESTS_BLEND_REFERENCE_H

#include <cstdint>

namespace orvalin_test {

inline float ReferenceOpacity(int32_t percent)
{
    const float opacity = static_cast<float>(static_cast<double>(static_cast<uint32_t>(percent)) / 100.0);
    return opacity > 1.0f ? 1.0f : opacity;
}

struct ReferenceFactors {
    float a;
    float inv;
};

inline ReferenceFactors ReferenceFactorsFor(uint8_t alpha, float opacity)
{
    const float a = static_cast<float>(static_cast<double>(alpha) / 255.0 * static_cast<double>(opacity));
    const float inv = static_cast<float>(1.0 - static_cast<double>(a));
    return {a, inv};
}

inline uint8_t ReferenceChannel(uint8_t sprite, uint8_t alpha, uint8_t under, float opacity,
                                ReferenceFactors factors)
{
    if (alpha == 0)
        return under;
    if (opacity == 1.0f && alpha == 255)
        return sprite;
    const double sum = static_cast<double>(sprite) * static_cast<double>(factors.a) +
                       static_cast<double>(under) * static_cast<double>(factors.inv);
    return static_cast<uint8_t>(static_cast<int>(sum));
}

inline uint8_t ReferenceChannel(uint8_t sprite, uint8_t alpha, uint8_t under, float opacity)
{
    return ReferenceChannel(sprite, alpha, under, opacity, ReferenceFactorsFor(alpha, opacity));
}

} // namespace orvalin_test

#endif
