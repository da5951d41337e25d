// The glow: opacity from the pointer's distance to the sprite's centre.
#include <gtest/gtest.h>

#include "class_graphic_button.h"

namespace {

constexpr SpriteSize Square64{64, 64};

struct GlowCase {
    float x, y;
    std::int32_t opacity;
    const char *why;
};

TEST(Glow, WorkedValuesForA64PixelButtonAt410And10)
{
    const GlowCase cases[] = {
        {442, 42, 70, "centre: d = 0"},
        {437, 42, 70, "d = 5 is inside the dead zone"},
        {446, 46, 58, "dx = dy = 4, d = round(5.66) = 6: 70 - 12"},
        {435, 42, 56, "d = 7"},
        {423, 42, 32, "d = 19"},
        {422, 42, 30, "d = 20 gives exactly the base"},
        {459, 59, 30, "dx = dy = 17, d = 24, v = 22 is below the base"},
        {442.4f, 42.6f, 70, "halves of a pixel round to the centre"},
        {410.5f, 42, 30, "just inside the left edge: dx = round(31.5) = 32"},
        {-1e9f, 42, 30, "far outside"},
    };
    for (const GlowCase &c : cases)
        EXPECT_EQ(glowOpacity(410, 10, Square64, c.x, c.y, 30), c.opacity)
            << c.why << " at (" << c.x << ", " << c.y << ")";
}

TEST(Glow, EdgeLinesCountAsOutside)
{
    const GlowCase cases[] = {
        {410, 42, 30, "left edge"},
        {474, 42, 30, "right edge"},
        {442, 10, 30, "top edge"},
        {442, 74, 30, "bottom edge"},
        {410.01f, 42, 30, "inside, far from the centre"},
    };
    for (const GlowCase &c : cases)
        EXPECT_EQ(glowOpacity(410, 10, Square64, c.x, c.y, 30), c.opacity) << c.why;
    // Right inside each edge, near the middle of a small sprite, the glow shows.
    EXPECT_EQ(glowOpacity(0, 0, SpriteSize{8, 8}, 0.5f, 4, 30), 70);
    EXPECT_EQ(glowOpacity(0, 0, SpriteSize{8, 8}, 7.5f, 4, 30), 70);
}

TEST(Glow, HalvesRoundToTheEvenNeighbour)
{
    // A 63-pixel sprite has its centre at 31.5. With dy = 5, dx = 2 keeps d at 5
    // (70) where rounding halves up would give dx = 3 and d = 6 (58); with
    // dy = 4, dx = 4 gives d = 6 (58) where rounding halves down would give 5 (70).
    const SpriteSize size{63, 63};
    EXPECT_EQ(glowOpacity(0, 0, size, 29, 26.5f, 30), 70) << "dx = round(2.5) = 2";
    EXPECT_EQ(glowOpacity(0, 0, size, 28, 27.5f, 30), 58) << "dx = round(3.5) = 4";
}

TEST(Glow, TheBaseWinsWhenItIsHigher)
{
    EXPECT_EQ(glowOpacity(410, 10, Square64, 442, 42, 100), 100);
    EXPECT_EQ(glowOpacity(410, 10, Square64, 0, 0, 100), 100);
}

TEST(Glow, WithoutASpriteTheBoxIsEmptyAndThePointerAlwaysOutside)
{
    EXPECT_EQ(glowOpacity(410, 10, SpriteSize{0, 0}, 410, 10, 30), 30);
}

TEST(Glow, ABoxReachingPastTheLargestCoordinateDoesNotOverflow)
{
    // Centre at 2^31, right edge at 2^31 + 32: beyond a 32-bit integer.
    const std::int32_t left = 2147483647 - 31;
    EXPECT_EQ(glowOpacity(left, 0, Square64, 2147483648.0f, 32, 30), 70);
}

} // namespace
