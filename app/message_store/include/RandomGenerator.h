#pragma once

#include <cstdint>

// The program's one pseudo-random generator. The main window seeds it from the
// clock at startup; tests seed it with fixed values to get repeatable picks.
void SeedRandomGenerator(std::uint64_t seed);
void SeedRandomGeneratorFromClock();

// The next number r of a uniform distribution, 0 <= r < 1.
double NextRandomUnit();

// floor(r * count) for the next r, always in 0 to count - 1; 0 when count < 1.
std::int32_t NextRandomPosition(std::int32_t count);
