// Drawing onto a device context (over what it shows) and over the captured
// background, with exact bytes expected.
#include "blend_reference.h"
#include "sprite_fixture.h"

namespace orvalin_test {
namespace {

class CompositingTest : public SpriteLibraryTest {};

struct WorkedValue {
    uint8_t colour;
    uint8_t alpha;
    uint8_t under;
    int percent;
    uint8_t result;
};

// Truncation, not rounding: several results are one below the nearest integer.
const WorkedValue kWorkedValues[] = {
    {255, 128, 0, 100, 128}, {0, 128, 255, 100, 126}, {255, 255, 0, 30, 76},  {0, 255, 255, 30, 178},
    {200, 255, 200, 30, 200}, {128, 1, 128, 1, 127},  {255, 1, 0, 100, 1},    {255, 254, 255, 100, 255},
};

TEST_F(CompositingTest, WorkedValuesOverTheDeviceContextAndOverTheCapture)
{
    for (const WorkedValue &v : kWorkedValues) {
        SCOPED_TRACE(testing::Message() << int(v.colour) << "/" << int(v.alpha) << " over " << int(v.under) << " at "
                                        << v.percent << " %");
        const Colour expected = {v.result, v.result, v.result};
        const int handle = LoadUniformSprite(1, 1, {v.colour, v.colour, v.colour}, v.alpha);
        WindowSurface surface(3, 3, {v.under, v.under, v.under});
        ASSERT_EQ(1, RenderGUIResourceDC(handle, surface.dc(), 1, 1, v.percent));
        EXPECT_EQ(expected, surface.At(1, 1));

        WindowSurface fresh(3, 3, {v.under, v.under, v.under});
        ASSERT_EQ(1, SetPalette(handle, fresh.dc(), 2, 2));
        ASSERT_EQ(1, RenderGUISMS(handle, fresh.dc(), 0, 0, v.percent));
        EXPECT_EQ(expected, fresh.At(0, 0));
        UnLoadGUIResource(handle);
    }
}

TEST_F(CompositingTest, NullDeviceContextFailsWithAValidHandle)
{
    const int handle = LoadUniformSprite(2, 2, {9, 9, 9}, 128);
    WindowSurface surface(2, 2, {0, 0, 0});
    ASSERT_EQ(1, SetPalette(handle, surface.dc(), 0, 0));
    EXPECT_EQ(0, RenderGUIResourceDC(handle, nullptr, 0, 0, 50));
    EXPECT_EQ(0, RenderGUISMS(handle, nullptr, 0, 0, 50));
    // The failed calls leave nothing behind: the next draw still works.
    EXPECT_EQ(1, RenderGUISMS(handle, surface.dc(), 0, 0, 50));
}

TEST_F(CompositingTest, PercentsAbove100AndNegativeMeanFullOpacity)
{
    const int handle = LoadUniformSprite(1, 1, {255, 128, 0}, 100);
    WindowSurface reference(1, 1, {10, 20, 30});
    ASSERT_EQ(1, RenderGUIResourceDC(handle, reference.dc(), 0, 0, 100));
    for (const int percent : {101, 150, -5, -1, INT32_MIN}) {
        SCOPED_TRACE(percent);
        WindowSurface surface(1, 1, {10, 20, 30});
        ASSERT_EQ(1, RenderGUIResourceDC(handle, surface.dc(), 0, 0, percent));
        EXPECT_EQ(reference.At(0, 0), surface.At(0, 0));
    }
}

TEST_F(CompositingTest, TransparentSpriteLeavesAndOpaqueSpriteReplaces)
{
    const int clear = LoadUniformSprite(3, 3, {255, 255, 255}, 0);
    const int opaque = LoadSprite(2, 1, {1, 2, 3, 255, 250, 251, 252, 255});
    WindowSurface surface(4, 4, {40, 41, 42});
    ASSERT_EQ(1, RenderGUIResourceDC(clear, surface.dc(), 0, 0, 100));
    EXPECT_EQ((Colour{40, 41, 42}), surface.At(1, 1));
    ASSERT_EQ(1, RenderGUIResourceDC(opaque, surface.dc(), 2, 3, 100));
    EXPECT_EQ((Colour{1, 2, 3}), surface.At(2, 3));
    EXPECT_EQ((Colour{250, 251, 252}), surface.At(3, 3));
    EXPECT_EQ((Colour{40, 41, 42}), surface.At(1, 3));
}

// 128 over 0 at alpha 128: once gives 64, twice blends 64 over 64... as the
// rule says; over the capture the second call starts again from 0.
TEST_F(CompositingTest, RepeatedDrawingPilesUpOnlyOverTheDeviceContext)
{
    const int handle = LoadUniformSprite(1, 1, {200, 200, 200}, 128);
    WindowSurface direct(1, 1, {0, 0, 0});
    ASSERT_EQ(1, RenderGUIResourceDC(handle, direct.dc(), 0, 0, 100));
    EXPECT_EQ((Colour{100, 100, 100}), direct.At(0, 0));
    ASSERT_EQ(1, RenderGUIResourceDC(handle, direct.dc(), 0, 0, 100));
    EXPECT_EQ((Colour{150, 150, 150}), direct.At(0, 0));

    WindowSurface captured(1, 1, {0, 0, 0});
    ASSERT_EQ(1, SetPalette(handle, captured.dc(), 0, 0));
    ASSERT_EQ(1, RenderGUISMS(handle, captured.dc(), 0, 0, 100));
    ASSERT_EQ(1, RenderGUISMS(handle, captured.dc(), 0, 0, 100));
    EXPECT_EQ((Colour{100, 100, 100}), captured.At(0, 0));
}

TEST_F(CompositingTest, OverTheCaptureLaterCallsReplaceEarlierOnes)
{
    const Bytes pixels = {10, 20, 30, 0, 200, 100, 50, 77, 255, 255, 255, 255, 0, 0, 0, 140};
    const int handle = LoadSprite(2, 2, pixels);
    WindowSurface once(4, 4, {90, 80, 70});
    WindowSurface twice(4, 4, {90, 80, 70});
    ASSERT_EQ(1, SetPalette(handle, once.dc(), 1, 1));
    ASSERT_EQ(1, RenderGUISMS(handle, once.dc(), 1, 1, 100));
    ASSERT_EQ(1, SetPalette(handle, twice.dc(), 1, 1));
    ASSERT_EQ(1, RenderGUISMS(handle, twice.dc(), 1, 1, 30));
    ASSERT_EQ(1, RenderGUISMS(handle, twice.dc(), 1, 1, 100));
    EXPECT_EQ(once.pixels(), twice.pixels());
}

TEST_F(CompositingTest, TransparentPixelsGiveTheCapturedBackgroundBack)
{
    const int handle = LoadSprite(2, 1, {1, 1, 1, 0, 9, 9, 9, 255});
    WindowSurface surface(2, 1, {30, 30, 30});
    ASSERT_EQ(1, SetPalette(handle, surface.dc(), 0, 0));
    surface.Set(0, 0, {222, 222, 222});
    ASSERT_EQ(1, RenderGUISMS(handle, surface.dc(), 0, 0, 100));
    EXPECT_EQ((Colour{30, 30, 30}), surface.At(0, 0));
    EXPECT_EQ((Colour{9, 9, 9}), surface.At(1, 0));
}

// A sprite 64 pixels wide may blend from colours paired with the
// capture when it is taken: a second capture must pair them anew.
TEST_F(CompositingTest, WideSpriteOverARecapturedBackgroundFollowsTheRule)
{
    constexpr int kWidth = 64, kHeight = 2; // the ANSI loader's widest
    Bytes pixels;
    for (int i = 0; i < kWidth * kHeight; ++i) {
        const int alpha = i % 5 == 0 ? 0 : i % 5 == 1 ? 255 : i * 37 % 256;
        pixels.insert(pixels.end(), {uint8_t(i * 3), uint8_t(i * 7), uint8_t(255 - i), uint8_t(alpha)});
    }
    const int handle = LoadSprite(kWidth, kHeight, pixels);
    ASSERT_NE(0, handle);
    WindowSurface surface(kWidth, kHeight, {1, 2, 3});
    ASSERT_EQ(1, SetPalette(handle, surface.dc(), 0, 0));
    const Colour under = {200, 90, 40};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            surface.Set(x, y, under);
    ASSERT_EQ(1, SetPalette(handle, surface.dc(), 0, 0));
    for (const int percent : {30, 58, 100}) {
        ASSERT_EQ(1, RenderGUISMS(handle, surface.dc(), 0, 0, percent));
        for (int i = 0; i < kWidth * kHeight; ++i) {
            const uint8_t *pixel = &pixels[4 * static_cast<size_t>(i)];
            Colour expected{};
            for (int channel = 0; channel < 3; ++channel)
                expected[channel] =
                    ReferenceChannel(pixel[channel], pixel[3], under[channel], ReferenceOpacity(percent));
            // The file's first row is the picture's bottom one.
            ASSERT_EQ(expected, surface.At(i % kWidth, kHeight - 1 - i / kWidth)) << "pixel " << i << ", " << percent;
        }
    }
}

TEST_F(CompositingTest, OverTheCaptureNeedsACapture)
{
    const int handle = LoadUniformSprite(2, 2, {1, 1, 1}, 255);
    WindowSurface surface(2, 2, {5, 5, 5});
    for (const int percent : {0, 30, 100})
        EXPECT_EQ(0, RenderGUISMS(handle, surface.dc(), 0, 0, percent));
    EXPECT_EQ((Colour{5, 5, 5}), surface.At(0, 0));
}

TEST_F(CompositingTest, OpacityZeroAfterADrawingLeavesTheDrawing)
{
    const int handle = LoadUniformSprite(1, 1, {250, 250, 250}, 255);
    WindowSurface surface(1, 1, {5, 5, 5});
    ASSERT_EQ(1, SetPalette(handle, surface.dc(), 0, 0));
    ASSERT_EQ(1, RenderGUISMS(handle, surface.dc(), 0, 0, 100));
    EXPECT_EQ(1, RenderGUISMS(handle, surface.dc(), 0, 0, 0));
    EXPECT_EQ((Colour{250, 250, 250}), surface.At(0, 0));
}

// Rectangles reaching outside the surface are clipped by the system.
TEST_F(CompositingTest, RectanglesPartlyOutsideTheSurface)
{
    const int handle = LoadUniformSprite(4, 4, {7, 7, 7}, 255);
    WindowSurface surface(6, 6, {1, 1, 1});
    for (const POINT at : {POINT{-2, -2}, POINT{4, 4}, POINT{-10, 50}}) {
        EXPECT_EQ(1, SetPalette(handle, surface.dc(), at.x, at.y));
        EXPECT_EQ(1, RenderGUISMS(handle, surface.dc(), at.x, at.y, 100));
        EXPECT_EQ(1, RenderGUIResourceDC(handle, surface.dc(), at.x, at.y, 100));
    }
    EXPECT_EQ((Colour{7, 7, 7}), surface.At(0, 0));
    EXPECT_EQ((Colour{7, 7, 7}), surface.At(5, 5));
    EXPECT_EQ((Colour{1, 1, 1}), surface.At(3, 1));
}

} // namespace
} // namespace orvalin_test
