// A tiny fixed-sequence generator: the standard library's distributions are
// not the same on every platform, and the pictures must be.
#pragma once

#include <cstdint>

namespace pellory::assets {

class SeededRandom {
public:
    explicit SeededRandom(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}

    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    // Uniform in [low, high).
    double between(double low, double high)
    {
        return low + (high - low) * (next() / 4294967296.0);
    }

private:
    std::uint32_t state_;
};

} // namespace pellory::assets
