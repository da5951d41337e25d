// Every row converter this processor runs, against pixels written out by
// hand, at every width that exercises a whole step, a tail or both; guard
// bytes around each row catch any write outside it, and rows at the edges
// of an accessible page any read.
#include "fenced_page.h"
#include "pixel_rows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace pellory::test {
namespace {

using sys::RowConverters;

constexpr int kGuard = 64;
constexpr uint8_t kGuardByte = 0xA5;
constexpr uint8_t kUnusedByte = 0x3C;

// A row of `bytes` bytes with guard bytes on both sides.
struct GuardedRow {
    GuardedRow(int pixels, int bytesPerPixel, uint8_t fill)
        : GuardedRow(static_cast<unsigned>(pixels) * static_cast<size_t>(bytesPerPixel), fill)
    {
    }
    GuardedRow(size_t bytes, uint8_t fill) : bytes(bytes), storage(bytes + 2 * kGuard, kGuardByte)
    {
        std::fill(row(), row() + bytes, fill);
    }
    uint8_t *row() { return storage.data() + kGuard; }
    bool guardsIntact() const
    {
        for (size_t i = 0; i < kGuard; ++i)
            if (storage[i] != kGuardByte || storage[kGuard + bytes + i] != kGuardByte)
                return false;
        return true;
    }
    size_t bytes;
    std::vector<uint8_t> storage;
};

uint8_t channelByte(int pixel, int channel) { return static_cast<uint8_t>(pixel * 7 + channel * 85 + 1); }

// One row through a set's rectangle conversion.
bool toFourBytes(const RowConverters &set, uint8_t *dst, const uint8_t *src, int width)
{
    return set.rowsToFourBytes(dst, 0, src, 0, width, 1);
}

std::string label(const RowConverters &set, int width) { return std::string(set.name) + ", width " + std::to_string(width); }

class PixelRowsTest : public ::testing::TestWithParam<int> {};

TEST_P(PixelRowsTest, ThreeToFourBytesCopiesColourAndKeepsTheUnusedByte)
{
    const int width = GetParam();
    for (const RowConverters &set : sys::availableRowConverters()) {
        SCOPED_TRACE(label(set, width));
        GuardedRow source(width, 3, 0), target(width, 4, kUnusedByte);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c)
                source.row()[3 * x + c] = channelByte(x, c);
        EXPECT_EQ(toFourBytes(set, target.row(), source.row(), width), width > 0);
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(target.row()[4 * x + c], channelByte(x, c)) << "pixel " << x << " channel " << c;
            ASSERT_EQ(target.row()[4 * x + 3], kUnusedByte) << "pixel " << x;
        }
        EXPECT_TRUE(target.guardsIntact());
        EXPECT_TRUE(source.guardsIntact());
        EXPECT_FALSE(toFourBytes(set, target.row(), source.row(), width)) << "the same colours again";
    }
}

// One changed byte anywhere in the row is reported, whichever step or tail
// holds it; a change of the unused byte alone is not.
TEST_P(PixelRowsTest, ThreeToFourBytesReportsWhetherAColourByteChanged)
{
    const int width = GetParam();
    for (const RowConverters &set : sys::availableRowConverters()) {
        for (int changedByte = 0; changedByte < 3 * width; ++changedByte) {
            SCOPED_TRACE(label(set, width) + ", byte " + std::to_string(changedByte));
            GuardedRow source(width, 3, 0x11), target(width, 4, 0x11);
            source.row()[changedByte] = 0x12;
            ASSERT_TRUE(toFourBytes(set, target.row(), source.row(), width));
            target.row()[4 * (changedByte / 3) + 3] ^= 0xFF;
            ASSERT_FALSE(toFourBytes(set, target.row(), source.row(), width));
        }
    }
}

// Rows apart by more than their width, as in a bitmap's rectangle: each
// row lands at its own step, the bytes between rows stay, and a change in
// the last row alone is reported.
TEST_P(PixelRowsTest, ThreeToFourBytesConvertsEachRowOfARectangle)
{
    const int width = GetParam();
    constexpr int kRows = 3;
    const std::ptrdiff_t srcStep = 3 * width + 5, dstStep = 4 * width + 12;
    for (const RowConverters &set : sys::availableRowConverters()) {
        SCOPED_TRACE(label(set, width));
        GuardedRow source(kRows * static_cast<size_t>(srcStep), 0), target(kRows * static_cast<size_t>(dstStep), kUnusedByte);
        for (int row = 0; row < kRows; ++row)
            for (int b = 0; b < 3 * width; ++b)
                source.row()[row * srcStep + b] = channelByte(row * width + b / 3, b % 3);
        EXPECT_EQ(set.rowsToFourBytes(target.row(), dstStep, source.row(), srcStep, width, kRows), width > 0);
        for (int row = 0; row < kRows; ++row) {
            const uint8_t *converted = target.row() + row * dstStep;
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < 4; ++c)
                    ASSERT_EQ(converted[4 * x + c], c < 3 ? channelByte(row * width + x, c) : kUnusedByte)
                        << "row " << row << " pixel " << x << " byte " << c;
            for (std::ptrdiff_t gap = 4 * width; gap < dstStep; ++gap)
                ASSERT_EQ(converted[gap], kUnusedByte) << "row " << row << " gap byte " << gap;
        }
        EXPECT_TRUE(target.guardsIntact());
        if (width > 0) {
            source.row()[(kRows - 1) * srcStep + 3 * width - 1] ^= 0xFF;
            EXPECT_TRUE(set.rowsToFourBytes(target.row(), dstStep, source.row(), srcStep, width, kRows));
            EXPECT_FALSE(set.rowsToFourBytes(target.row(), dstStep, source.row(), srcStep, width, kRows));
        }
    }
}

TEST_P(PixelRowsTest, FourToThreeBytesDropsTheUnusedByte)
{
    const int width = GetParam();
    for (const RowConverters &set : sys::availableRowConverters()) {
        SCOPED_TRACE(label(set, width));
        GuardedRow source(width, 4, kUnusedByte), target(width, 3, 0);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c)
                source.row()[4 * x + c] = channelByte(x, c);
        set.toThreeBytes(target.row(), source.row(), width);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(target.row()[3 * x + c], channelByte(x, c)) << "pixel " << x << " channel " << c;
        EXPECT_TRUE(target.guardsIntact());
        EXPECT_TRUE(source.guardsIntact());
    }
}

TEST_P(PixelRowsTest, ReadsNothingBeforeOrAfterTheSourceRow)
{
    const int width = GetParam();
    FencedPage page;
    ASSERT_TRUE(page.valid());
    std::vector<uint8_t> target(4 * static_cast<size_t>(width) + 1);
    for (const RowConverters &set : sys::availableRowConverters()) {
        SCOPED_TRACE(label(set, width));
        for (const size_t bytesPerPixel : {size_t{3}, size_t{4}}) {
            const size_t bytes = bytesPerPixel * static_cast<size_t>(width);
            for (uint8_t *source : {page.first(), page.endingWith(bytes)}) {
                std::memset(source, 0x5A, bytes);
                if (bytesPerPixel == 3)
                    toFourBytes(set, target.data(), source, width);
                else
                    set.toThreeBytes(target.data(), source, width);
            }
        }
    }
}

// Tails of 0 to 7 pixels after no step, one step and several, with and
// without the four-pixel step; 44 the bundled buttons, 64 and 65 the sprite size.
INSTANTIATE_TEST_SUITE_P(Widths, PixelRowsTest, ::testing::Values(0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 15, 16, 17, 23, 24,
                                                                  31, 32, 33, 40, 44, 64, 65));

TEST(PixelRowsSets, PortableIsAlwaysThereAndLast)
{
    const auto sets = sys::availableRowConverters();
    ASSERT_FALSE(sets.empty());
    EXPECT_STREQ(sets.back().name, "portable");
}

} // namespace
} // namespace pellory::test
