#include "RandomGenerator.h"

#include <chrono>
#include <random>

namespace {

std::mt19937_64 &generator()
{
    static std::mt19937_64 engine; // default seed until the startup seeds it
    return engine;
}

} // namespace

void SeedRandomGenerator(std::uint64_t seed) { generator().seed(seed); }

void SeedRandomGeneratorFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    SeedRandomGenerator(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

double NextRandomUnit()
{
    // The top 53 bits fill a double's mantissa exactly: k / 2^53 with k < 2^53.
    constexpr double kUnit = 1.0 / 9007199254740992.0;
    return static_cast<double>(generator()() >> 11) * kUnit;
}

std::int32_t NextRandomPosition(std::int32_t count)
{
    if (count < 1)
        return 0;
    // r has 53 significant bits and count at most 31, so r * count rounds to
    // a value below count and its floor is at most count - 1.
    return static_cast<std::int32_t>(NextRandomUnit() * count);
}
