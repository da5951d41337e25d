// Drawing over one captured background again and again: whatever the order
// of opacities and captures, every drawing is exactly the rule over the
// latest capture.
#include "blend_reference.h"
#include "sprite_fixture.h"

namespace orvalin_test {
namespace {

class RepeatDrawingTest : public SpriteLibraryTest {};

constexpr uint8_t kAlphas[] = {0, 1, 77, 128, 200, 254, 255};

uint8_t SpriteChannel(int row, int column, int channel) { return uint8_t(row * 29 + column * 53 + channel * 71); }
uint8_t SpriteAlpha(int row, int column, int width) { return kAlphas[(row * width + column) % 7]; }
Colour UnderColour(int x, int y, int seed) { return {uint8_t(x * 13 + seed), uint8_t(y * 7 + seed), uint8_t(x + y + seed)}; }

Bytes PatternPixels(int width, int height)
{
    Bytes pixels;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            pixels.insert(pixels.end(), {SpriteChannel(row, column, 0), SpriteChannel(row, column, 1),
                                         SpriteChannel(row, column, 2), SpriteAlpha(row, column, width)});
    return pixels;
}

void PaintUnder(WindowSurface &surface, int width, int height, int seed)
{
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            surface.Set(x, y, UnderColour(x, y, seed));
}

// The sprite drawn at (0, 0) over a capture taken at (0, 0) with `seed`:
// sprite row r lands on device row height - 1 - r.
void ExpectRuleOverCapture(const WindowSurface &surface, int width, int height, int seed, int percent)
{
    const float opacity = ReferenceOpacity(percent);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            const int y = height - 1 - row;
            const Colour under = UnderColour(column, y, seed);
            Colour expected;
            for (int channel = 0; channel < 3; ++channel)
                expected[channel] = ReferenceChannel(SpriteChannel(row, column, channel),
                                                     SpriteAlpha(row, column, width), under[channel], opacity);
            ASSERT_EQ(expected, surface.At(column, y)) << "at (" << column << "," << y << ") " << percent << " %";
        }
}

void Scribble(WindowSurface &surface, int width, int height)
{
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            surface.Set(x, y, {1, 2, 3});
}

TEST_F(RepeatDrawingTest, EveryOpacitySequenceGivesTheRuleOverTheCapture)
{
    constexpr int kWidth = 21, kHeight = 5; // rows of one full 16-pixel step and a tail
    const int handle = LoadSprite(kWidth, kHeight, PatternPixels(kWidth, kHeight));
    WindowSurface surface(kWidth, kHeight, {0, 0, 0});
    PaintUnder(surface, kWidth, kHeight, 40);
    ASSERT_EQ(1, SetPalette(handle, surface.dc(), 0, 0));
    for (const int percent : {30, 30, 70, 30, 100, 100, 0, 100, 69, 70, 30}) {
        SCOPED_TRACE(percent);
        if (percent != 0)
            Scribble(surface, kWidth, kHeight);
        ASSERT_EQ(1, RenderGUISMS(handle, surface.dc(), 0, 0, percent));
        if (percent != 0)
            ExpectRuleOverCapture(surface, kWidth, kHeight, 40, percent);
    }
}

TEST_F(RepeatDrawingTest, ANewCaptureReplacesTheOldAtTheSameOpacity)
{
    constexpr int kWidth = 9, kHeight = 4;
    const int handle = LoadSprite(kWidth, kHeight, PatternPixels(kWidth, kHeight));
    WindowSurface surface(kWidth, kHeight, {0, 0, 0});
    for (const int seed : {10, 90, 91}) {
        SCOPED_TRACE(seed);
        PaintUnder(surface, kWidth, kHeight, seed);
        ASSERT_EQ(1, SetPalette(handle, surface.dc(), 0, 0));
        ASSERT_EQ(1, RenderGUISMS(handle, surface.dc(), 0, 0, 50));
        ExpectRuleOverCapture(surface, kWidth, kHeight, seed, 50);
    }
}

TEST_F(RepeatDrawingTest, LargeSpritesDrawTheSameWhenRepeated)
{
    constexpr int kWidth = 160, kHeight = 150; // a capture of 72000 bytes
    // Only the wide loader takes sprites above 64 x 64.
    const std::string path = WriteFile("large.dat", SpriteFileBytes(kWidth, kHeight, PatternPixels(kWidth, kHeight)));
    const int handle = LoadGUIResourceW(Widen(path).c_str());
    WindowSurface surface(kWidth, kHeight, {0, 0, 0});
    PaintUnder(surface, kWidth, kHeight, 3);
    ASSERT_EQ(1, SetPalette(handle, surface.dc(), 0, 0));
    for (const int percent : {40, 40}) {
        Scribble(surface, kWidth, kHeight);
        ASSERT_EQ(1, RenderGUISMS(handle, surface.dc(), 0, 0, percent));
        ExpectRuleOverCapture(surface, kWidth, kHeight, 3, percent);
    }
}

} // namespace
} // namespace orvalin_test
