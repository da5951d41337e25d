#include "gdi_test_support.h"

#include <climits>

namespace pellory::test {
namespace {

using DibSectionTest = GdiTest;

struct StrideCase {
    LONG width;
    int stride;
};

// Fills a 2-row window surface (top row 0x10.., bottom row 0x20..), copies it
// into a 24-bit bottom-up section and reads where each row landed: the bottom
// row must start at byte 0, the top row at byte `stride`, and the filler
// bytes must stay as the section was created (zero).
TEST_F(DibSectionTest, RowsAreBottomUpAndPaddedToFourBytes)
{
    const StrideCase cases[] = {{1, 4},  {2, 8},  {3, 12}, {4, 12}, {5, 16},
                                {6, 20}, {7, 24}, {8, 24}, {9, 28}};
    for (const StrideCase &c : cases) {
        SCOPED_TRACE("width " + std::to_string(c.width));
        WindowSurface window(c.width, 2);
        for (int x = 0; x < c.width; ++x) {
            const BYTE top[4] = {BYTE(0x10 + x), 0x11, 0x12, 0};
            const BYTE bottom[4] = {BYTE(0x20 + x), 0x21, 0x22, 0};
            std::copy(top, top + 4, window.pixel(x, 0));
            std::copy(bottom, bottom + 4, window.pixel(x, 1));
        }
        MemoryDib dib(c.width, 2);
        ASSERT_NE(dib.bits, nullptr);
        ASSERT_TRUE(BitBlt(dib.dc, 0, 0, c.width, 2, window.dc, 0, 0, SRCCOPY));
        for (int x = 0; x < c.width; ++x) {
            EXPECT_EQ(dib.bits[x * 3], 0x20 + x) << "bottom row, pixel " << x;
            EXPECT_EQ(dib.bits[x * 3 + 2], 0x22) << "bottom row, pixel " << x;
            EXPECT_EQ(dib.bits[c.stride + x * 3], 0x10 + x) << "top row, pixel " << x;
            EXPECT_EQ(dib.bits[c.stride + x * 3 + 1], 0x11) << "top row, pixel " << x;
        }
        for (int filler = c.width * 3; filler < c.stride; ++filler) {
            EXPECT_EQ(dib.bits[filler], 0) << "filler byte " << filler << " of the bottom row";
            EXPECT_EQ(dib.bits[c.stride + filler], 0) << "filler byte " << filler << " of the top row";
        }
    }
}

TEST_F(DibSectionTest, NewSectionIsZeroed)
{
    MemoryDib dib(64, 64);
    ASSERT_NE(dib.bits, nullptr);
    const std::vector<BYTE> zeros(192 * 64, 0);
    EXPECT_TRUE(std::equal(zeros.begin(), zeros.end(), dib.bits));
}

// Freed sections' memory is reused for the next one of the same size; it
// must still come back zeroed, whatever the freed one held.
TEST_F(DibSectionTest, SectionAfterAFreedDirtyOneIsZeroed)
{
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        {
            MemoryDib dirty(64, 64);
            ASSERT_NE(dirty.bits, nullptr);
            std::fill(dirty.bits, dirty.bits + 192 * 64, BYTE{0xA5});
        }
        MemoryDib dib(64, 64);
        ASSERT_NE(dib.bits, nullptr);
        const std::vector<BYTE> zeros(192 * 64, 0);
        EXPECT_TRUE(std::equal(zeros.begin(), zeros.end(), dib.bits));
    }
}

TEST_F(DibSectionTest, TopDownThirtyTwoBitSectionKeepsTopRowFirst)
{
    WindowSurface window(2, 2);
    window.pixel(0, 0)[0] = 0xA1;
    window.pixel(1, 1)[0] = 0xB2;
    MemoryDib dib(2, -2, 32);
    ASSERT_NE(dib.bits, nullptr);
    ASSERT_TRUE(BitBlt(dib.dc, 0, 0, 2, 2, window.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(dib.bits[0], 0xA1);
    EXPECT_EQ(dib.bits[8 + 4], 0xB2);
}

struct RefusedCase {
    const char *what;
    void (*change)(BITMAPINFO &);
    UINT usage = DIB_RGB_COLORS;
};

TEST_F(DibSectionTest, UnsupportedFormatsAreRefusedWithNull)
{
    const RefusedCase cases[] = {
        {"1 bit", [](BITMAPINFO &i) { i.bmiHeader.biBitCount = 1; }},
        {"8 bits", [](BITMAPINFO &i) { i.bmiHeader.biBitCount = 8; }},
        {"16 bits", [](BITMAPINFO &i) { i.bmiHeader.biBitCount = 16; }},
        {"colour masks", [](BITMAPINFO &i) { i.bmiHeader.biCompression = BI_BITFIELDS; }},
        {"two planes", [](BITMAPINFO &i) { i.bmiHeader.biPlanes = 2; }},
        {"108-byte header", [](BITMAPINFO &i) { i.bmiHeader.biSize = 108; }},
        {"12-byte header", [](BITMAPINFO &i) { i.bmiHeader.biSize = 12; }},
        {"width 0", [](BITMAPINFO &i) { i.bmiHeader.biWidth = 0; }},
        {"negative width", [](BITMAPINFO &i) { i.bmiHeader.biWidth = -4; }},
        {"height 0", [](BITMAPINFO &i) { i.bmiHeader.biHeight = 0; }},
        {"lowest height", [](BITMAPINFO &i) { i.bmiHeader.biHeight = INT32_MIN; }},
        {"size past 32 bits",
         [](BITMAPINFO &i) {
             i.bmiHeader.biWidth = 0x10000;
             i.bmiHeader.biHeight = 0x10000;
         }},
        {"largest width and height",
         [](BITMAPINFO &i) {
             i.bmiHeader.biWidth = INT32_MAX;
             i.bmiHeader.biHeight = INT32_MAX;
         }},
        {"palette colours", [](BITMAPINFO &) {}, 1u},
    };
    const int before = SysLiveGdiObjectCount();
    for (const RefusedCase &c : cases) {
        BITMAPINFO info = dibInfo(4, 4);
        c.change(info);
        void *bits = reinterpret_cast<void *>(uintptr_t{1});
        EXPECT_EQ(CreateDIBSection(nullptr, &info, c.usage, &bits, nullptr, 0), nullptr) << c.what;
        EXPECT_EQ(bits, nullptr) << c.what << ": ppvBits must be cleared";
    }
    EXPECT_EQ(SysLiveGdiObjectCount(), before);
}

TEST_F(DibSectionTest, NullInfoAndFileMappingSectionsAreRefused)
{
    void *bits = nullptr;
    EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    const BITMAPINFO info = dibInfo(2, 2);
    int mapping = 0;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, &mapping, 0), nullptr);
}

TEST_F(DibSectionTest, BitsPointerIsOptional)
{
    const BITMAPINFO info = dibInfo(3, 3);
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(DeleteObject(bitmap));
}

} // namespace
} // namespace pellory::test
