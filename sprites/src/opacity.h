// Opacity percent -> the float every drawing call stores in the sprite record.
#ifndef ORVALIN_OPACITY_H
#define ORVALIN_OPACITY_H

#include <cstdint>

namespace orvalin {

// The percent is read unsigned (so -1 means 4294967295) and anything above
// 100 means full opacity.
inline float OpacityFromPercent(int32_t percent)
{
    const double quotient = static_cast<double>(static_cast<uint32_t>(percent)) / 100.0;
    const float opacity = static_cast<float>(quotient);
    return opacity > 1.0f ? 1.0f : opacity;
}

} // namespace orvalin

#endif
