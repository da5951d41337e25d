// Capturing the background under a sprite, observed through drawing it
// back with a fully transparent sprite.
#include "sprite_fixture.h"

namespace orvalin_test {
namespace {

// A surface whose every pixel differs from its neighbours.
Colour Pattern(int x, int y) { return {uint8_t(x * 7 + y), uint8_t(y * 13 + 1), uint8_t(x ^ (y * 3))}; }

class CaptureTest : public SpriteLibraryTest {
protected:
    CaptureTest() : source_(32, 32, {0, 0, 0})
    {
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                source_.Set(x, y, Pattern(x, y));
    }
    WindowSurface source_;
};

// The snapshot has the layout of a bottom-up 24-bit DIB, so drawing a
// transparent sprite onto such a DIB gives it back row for row.
TEST_F(CaptureTest, BottomUpRowsWithPaddingForWidthsOneToNine)
{
    for (int width = 1; width <= 9; ++width) {
        SCOPED_TRACE(testing::Message() << "width " << width);
        const int handle = LoadUniformSprite(width, 3, {0, 0, 0}, 0);
        ASSERT_EQ(1, SetPalette(handle, source_.dc(), 10, 20));
        DibSurface target(width, 3);
        ASSERT_EQ(1, RenderGUISMS(handle, target.dc(), 0, 0, 100));
        for (int row = 0; row < 3; ++row)
            for (int x = 0; x < width; ++x) {
                const Colour expected = Pattern(10 + x, 20 + 2 - row);
                const Colour actual = {target.Row(row)[3 * x], target.Row(row)[3 * x + 1], target.Row(row)[3 * x + 2]};
                ASSERT_EQ(expected, actual) << "row " << row << ", x " << x;
            }
        UnLoadGUIResource(handle);
    }
}

TEST_F(CaptureTest, TwoByTwoAtTenTwenty)
{
    const int handle = LoadUniformSprite(2, 2, {0, 0, 0}, 0);
    ASSERT_EQ(1, SetPalette(handle, source_.dc(), 10, 20));
    DibSurface target(2, 2);
    ASSERT_EQ(8u, target.stride());
    ASSERT_EQ(1, RenderGUISMS(handle, target.dc(), 0, 0, 100));
    const Colour p1021 = Pattern(10, 21), p1121 = Pattern(11, 21), p1020 = Pattern(10, 20), p1120 = Pattern(11, 20);
    const std::vector<uint8_t> expected = {p1021[0], p1021[1], p1021[2], p1121[0], p1121[1], p1121[2],
                                           p1020[0], p1020[1], p1020[2], p1120[0], p1120[1], p1120[2]};
    std::vector<uint8_t> actual(target.Row(0), target.Row(0) + 6);
    actual.insert(actual.end(), target.Row(1), target.Row(1) + 6);
    EXPECT_EQ(expected, actual);
}

TEST_F(CaptureTest, DrawnBackAtAnotherPositionAndOntoAnotherSurface)
{
    const int handle = LoadUniformSprite(5, 4, {0, 0, 0}, 0);
    ASSERT_EQ(1, SetPalette(handle, source_.dc(), 3, 7));
    WindowSurface target(16, 16, {200, 200, 200});
    ASSERT_EQ(1, RenderGUISMS(handle, target.dc(), 9, 1, 100));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool inside = x >= 9 && x < 14 && y >= 1 && y < 5;
            const Colour expected = inside ? Pattern(x - 9 + 3, y - 1 + 7) : Colour{200, 200, 200};
            ASSERT_EQ(expected, target.At(x, y)) << x << ", " << y;
        }
}

TEST_F(CaptureTest, NullDeviceContextKeepsTheSnapshotAndALaterCaptureReplacesIt)
{
    const int handle = LoadUniformSprite(1, 1, {0, 0, 0}, 0);
    WindowSurface target(1, 1, {0, 0, 0});
    ASSERT_EQ(1, SetPalette(handle, source_.dc(), 4, 4));
    EXPECT_EQ(1, SetPalette(handle, nullptr, 5, 5));
    ASSERT_EQ(1, RenderGUISMS(handle, target.dc(), 0, 0, 50));
    EXPECT_EQ(Pattern(4, 4), target.At(0, 0));

    ASSERT_EQ(1, SetPalette(handle, source_.dc(), 6, 2));
    ASSERT_EQ(1, RenderGUISMS(handle, target.dc(), 0, 0, 50));
    EXPECT_EQ(Pattern(6, 2), target.At(0, 0));
}

TEST_F(CaptureTest, NullDeviceContextWithoutSnapshotStillLeavesNone)
{
    const int handle = LoadUniformSprite(1, 1, {0, 0, 0}, 0);
    WindowSurface target(1, 1, {0, 0, 0});
    EXPECT_EQ(1, SetPalette(handle, nullptr, 0, 0));
    EXPECT_EQ(0, RenderGUISMS(handle, target.dc(), 0, 0, 50));
}

} // namespace
} // namespace orvalin_test
