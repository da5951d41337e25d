#include "gdi_test_support.h"

#include <climits>
#include <string>

namespace pellory::test {
namespace {

using BitBltTest = GdiTest;

constexpr int kSrcWidth = 4, kSrcHeight = 3, kSrcStride = 12;
constexpr int kDstWidth = 5, kDstHeight = 4;
constexpr BYTE kUntouched = 0xEE;

// Every source pixel has its own colour, so a misplaced copy shows.
BYTE sourceBlue(int x, int) { return BYTE(0x40 + x); }
BYTE sourceGreen(int, int y) { return BYTE(0x80 + y); }
BYTE sourceRed(int x, int y) { return BYTE(0xC0 + x * 4 + y); }

void paintSource(BYTE *bits)
{
    for (int y = 0; y < kSrcHeight; ++y)
        for (int x = 0; x < kSrcWidth; ++x) {
            BYTE *p = bits + (kSrcHeight - 1 - y) * kSrcStride + x * 3; // bottom-up rows
            p[0] = sourceBlue(x, y);
            p[1] = sourceGreen(x, y);
            p[2] = sourceRed(x, y);
        }
}

struct ClipCase {
    const char *name;
    int x, y, cx, cy, x1, y1;
    RECT copied; // destination pixels that receive source pixels; empty: none
    int srcLeft, srcTop; // the source pixel that lands on copied.left/top
};

bool contains(const RECT &r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }
bool isEmpty(const RECT &r) { return r.right <= r.left || r.bottom <= r.top; }

const ClipCase kClipCases[] = {
    {"inside both", 1, 1, 2, 2, 0, 0, {1, 1, 3, 3}, 0, 0},
    {"left of the destination", -1, 0, 3, 2, 0, 0, {0, 0, 2, 2}, 1, 0},
    {"above the destination", 0, -2, 2, 3, 0, 0, {0, 0, 2, 1}, 0, 2},
    {"past the destination's right", 3, 0, 4, 1, 0, 0, {3, 0, 5, 1}, 0, 0},
    {"past the destination's bottom", 0, 2, 1, 5, 0, 0, {0, 2, 1, 4}, 0, 0},
    {"left of the source", 0, 0, 3, 1, -2, 0, {2, 0, 3, 1}, 0, 0},
    {"above the source", 0, 0, 1, 3, 0, -1, {0, 1, 1, 3}, 0, 0},
    {"past the source's right", 0, 0, 4, 1, 2, 0, {0, 0, 2, 1}, 2, 0},
    {"past the source's bottom", 0, 0, 1, 4, 0, 1, {0, 0, 1, 2}, 0, 1},
    {"over every edge at once", -1, -1, 9, 9, -1, -1, {0, 0, 4, 3}, 0, 0},
    {"negative extents end at the corner", 3, 2, -2, -2, 2, 2, {1, 0, 3, 2}, 0, 0},
    {"wholly right of the destination", 5, 0, 2, 2, 0, 0, {}, 0, 0},
    {"wholly below the source", 0, 0, 2, 2, 0, 3, {}, 0, 0},
    {"zero width", 0, 0, 0, 2, 0, 0, {}, 0, 0},
    {"position near INT_MAX", INT_MAX, 0, INT_MAX, 1, 0, 0, {}, 0, 0},
    {"position and extent near INT_MIN", INT_MIN + 1, 0, INT_MAX, 1, INT_MIN + 1, 0, {}, 0, 0},
    {"extent INT_MIN", 2, 0, INT_MIN, 1, 2, 0, {0, 0, 2, 1}, 0, 0},
};

TEST_F(BitBltTest, CopiesOnlyWhatLiesOnBothSurfaces)
{
    for (const ClipCase &c : kClipCases) {
        SCOPED_TRACE(c.name);
        MemoryDib source(kSrcWidth, kSrcHeight);
        paintSource(source.bits);
        WindowSurface window(kDstWidth, kDstHeight, kUntouched);
        EXPECT_TRUE(BitBlt(window.dc, c.x, c.y, c.cx, c.cy, source.dc, c.x1, c.y1, SRCCOPY));
        for (int y = 0; y < kDstHeight; ++y)
            for (int x = 0; x < kDstWidth; ++x) {
                const BYTE *got = window.pixel(x, y);
                const std::string where = "at (" + std::to_string(x) + "," + std::to_string(y) + ")";
                if (!contains(c.copied, x, y)) {
                    EXPECT_EQ(got[0], kUntouched) << where << " must stay untouched";
                    continue;
                }
                const int sx = c.srcLeft + x - c.copied.left, sy = c.srcTop + y - c.copied.top;
                EXPECT_EQ(got[0], sourceBlue(sx, sy)) << where;
                EXPECT_EQ(got[1], sourceGreen(sx, sy)) << where;
                EXPECT_EQ(got[2], sourceRed(sx, sy)) << where;
                EXPECT_EQ(got[3], kUntouched) << where << ": the unused byte is the window's";
            }
        if (isEmpty(c.copied)) {
            EXPECT_TRUE(window.changes.empty()) << "nothing changed, nothing reported";
        } else {
            ASSERT_EQ(window.changes.size(), 1u);
            const RECT &got = window.changes[0];
            EXPECT_EQ(got.left, c.copied.left);
            EXPECT_EQ(got.top, c.copied.top);
            EXPECT_EQ(got.right, c.copied.right);
            EXPECT_EQ(got.bottom, c.copied.bottom);
        }
    }
}

// All 256 values in every channel travel 24 -> 32 -> 24 bits unchanged.
TEST_F(BitBltTest, ColourBytesPassUnchangedBetweenTwentyFourAndThirtyTwoBits)
{
    MemoryDib original(256, 1);
    for (int i = 0; i < 256; ++i) {
        original.bits[i * 3] = BYTE(i);
        original.bits[i * 3 + 1] = BYTE(255 - i);
        original.bits[i * 3 + 2] = BYTE(i ^ 0x5A);
    }
    WindowSurface window(256, 1, kUntouched);
    ASSERT_TRUE(BitBlt(window.dc, 0, 0, 256, 1, original.dc, 0, 0, SRCCOPY));
    for (int i = 0; i < 256; ++i) {
        const BYTE *got = window.pixel(i, 0);
        ASSERT_EQ(got[0], i) << "blue of pixel " << i;
        ASSERT_EQ(got[1], 255 - i) << "green of pixel " << i;
        ASSERT_EQ(got[2], i ^ 0x5A) << "red of pixel " << i;
        ASSERT_EQ(got[3], kUntouched) << "unused byte of pixel " << i;
    }
    MemoryDib back(256, 1);
    ASSERT_TRUE(BitBlt(back.dc, 0, 0, 256, 1, window.dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(std::equal(original.bits, original.bits + 768, back.bits));
    EXPECT_TRUE(window.changes.size() == 1) << "reading from a window reports no change";
}

// Drawing the same pixels again must cost the window no presentation.
TEST_F(BitBltTest, AWindowHearsOfABlitOnlyWhenAColourByteChanged)
{
    for (const WORD bitCount : {WORD{24}, WORD{32}}) {
        SCOPED_TRACE(std::to_string(bitCount) + " bits");
        MemoryDib source(3, 2, bitCount);
        WindowSurface window(3, 2, 0);
        source.bits[0] = 9;
        ASSERT_TRUE(BitBlt(window.dc, 0, 0, 3, 2, source.dc, 0, 0, SRCCOPY));
        ASSERT_TRUE(BitBlt(window.dc, 0, 0, 3, 2, source.dc, 0, 0, SRCCOPY));
        EXPECT_EQ(window.changes.size(), 1u) << "the second blit changed nothing";
        source.bits[bitCount / 8 * 2 + 2] = 1; // red of the last pixel of the bottom row
        ASSERT_TRUE(BitBlt(window.dc, 0, 0, 3, 2, source.dc, 0, 0, SRCCOPY));
        EXPECT_EQ(window.changes.size(), 2u);
    }
}

TEST_F(BitBltTest, ThirtyTwoBitSectionsCopyAllFourBytes)
{
    MemoryDib source(2, 1, 32);
    MemoryDib target(2, 1, 32);
    const BYTE pixels[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    std::copy(pixels, pixels + 8, source.bits);
    ASSERT_TRUE(BitBlt(target.dc, 0, 0, 2, 1, source.dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(std::equal(pixels, pixels + 8, target.bits));
}

// One column, rows 0..3 (top to bottom) holding 10, 20, 30, 40 in blue.
std::vector<BYTE> blitWithinOneColumn(int dstY, int srcY)
{
    MemoryDib dib(1, 4);
    const BYTE rowsTopDown[4] = {10, 20, 30, 40};
    for (int y = 0; y < 4; ++y)
        dib.bits[(3 - y) * 4] = rowsTopDown[y];
    EXPECT_TRUE(BitBlt(dib.dc, 0, dstY, 1, 3, dib.dc, 0, srcY, SRCCOPY));
    std::vector<BYTE> result;
    for (int y = 0; y < 4; ++y)
        result.push_back(dib.bits[(3 - y) * 4]);
    return result;
}

TEST_F(BitBltTest, OverlappingCopyWithinOneSurfaceMovesRowsIntact)
{
    EXPECT_EQ(blitWithinOneColumn(1, 0), (std::vector<BYTE>{10, 10, 20, 30})) << "down";
    EXPECT_EQ(blitWithinOneColumn(0, 1), (std::vector<BYTE>{20, 30, 40, 40})) << "up";
}

TEST_F(BitBltTest, RefusesWhatItCannotCopy)
{
    MemoryDib dib(2, 2);
    WindowSurface window(2, 2, kUntouched);
    HDC bogus = reinterpret_cast<HDC>(uintptr_t{0xBAD0});
    EXPECT_FALSE(BitBlt(window.dc, 0, 0, 2, 2, dib.dc, 0, 0, 0x00EE0086u)) << "SRCPAINT";
    EXPECT_FALSE(BitBlt(window.dc, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY)) << "no source";
    EXPECT_FALSE(BitBlt(window.dc, 0, 0, 2, 2, bogus, 0, 0, SRCCOPY)) << "bogus source";
    EXPECT_FALSE(BitBlt(bogus, 0, 0, 2, 2, dib.dc, 0, 0, SRCCOPY)) << "bogus destination";
    EXPECT_FALSE(BitBlt(reinterpret_cast<HDC>(dib.bitmap), 0, 0, 2, 2, dib.dc, 0, 0, SRCCOPY))
        << "a bitmap is not a DC";
    EXPECT_EQ(window.pixel(0, 0)[0], kUntouched);
    EXPECT_TRUE(window.changes.empty());
}

TEST_F(BitBltTest, DrawsIntoTheReboundPixels)
{
    WindowSurface window(2, 2, kUntouched);
    std::vector<BYTE> larger(4 * 4 * 4, 0);
    ASSERT_TRUE(SysRebindWindowDC(window.dc, larger.data(), 4, 4, 16));
    MemoryDib source(4, 4);
    std::fill(source.bits, source.bits + 48, BYTE(0x33));
    ASSERT_TRUE(BitBlt(window.dc, 0, 0, 4, 4, source.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(larger[(3 * 4 + 3) * 4], 0x33) << "bottom-right pixel of the new surface";
    EXPECT_EQ(window.pixel(0, 0)[0], kUntouched) << "the old pixels are no longer drawn on";
    ASSERT_EQ(window.changes.size(), 1u);
    EXPECT_EQ(window.changes[0].right, 4);
    EXPECT_EQ(window.changes[0].bottom, 4);
}

} // namespace
} // namespace pellory::test
