// The kernels on whole sprites of every width up to 130 (a short block alone
// and after one or two whole ones): row tails, padding, neighbouring rows and
// the bytes on either side of the sprite and the bitmap.
#include "blend_kernels.h"
#include "blend_reference.h"
#include "fenced_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

using orvalin_test::ReferenceChannel;
using orvalin_test::ReferenceOpacity;

constexpr int kHeight = 5;
constexpr uint8_t kGuard = 0xA5;

size_t StrideOf(int width) { return (static_cast<size_t>(width) * 3 + 3) / 4 * 4; }

// Runs of transparent, opaque and partial pixels so that every chunk kind
// and every chunk boundary shows up somewhere.
std::vector<uint8_t> MakeSprite(int width, std::mt19937 &random)
{
    std::vector<uint8_t> sprite(static_cast<size_t>(width) * kHeight * 4);
    std::uniform_int_distribution<int> byte(0, 255), kind(0, 3);
    int run = kind(random);
    for (size_t pixel = 0; pixel < sprite.size() / 4; ++pixel) {
        if (byte(random) < 24)
            run = kind(random);
        for (int channel = 0; channel < 3; ++channel)
            sprite[pixel * 4 + channel] = static_cast<uint8_t>(byte(random));
        const int alpha = run == 0 ? 0 : run == 1 ? 255 : run == 2 ? 77 : byte(random);
        sprite[pixel * 4 + 3] = static_cast<uint8_t>(alpha);
    }
    return sprite;
}

// The work bitmap with a guard row's worth of bytes after it.
std::vector<uint8_t> MakeWork(int width, std::mt19937 &random)
{
    std::vector<uint8_t> work(StrideOf(width) * (kHeight + 1), kGuard);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int row = 0; row < kHeight; ++row)
        for (size_t i = 0; i < static_cast<size_t>(width) * 3; ++i)
            work[row * StrideOf(width) + i] = static_cast<uint8_t>(byte(random));
    return work;
}

std::vector<uint8_t> Expected(const std::vector<uint8_t> &sprite, std::vector<uint8_t> work, int width,
                              float opacity)
{
    for (int row = 0; row < kHeight; ++row)
        for (int column = 0; column < width; ++column) {
            const uint8_t *source = &sprite[(static_cast<size_t>(row) * width + column) * 4];
            uint8_t *target = &work[row * StrideOf(width) + column * 3];
            for (int channel = 0; channel < 3; ++channel)
                target[channel] = ReferenceChannel(source[channel], source[3], target[channel], opacity);
        }
    return work;
}

// The sprite and the work bitmap (its last row's padding included) at the
// start or at the end of pages between inaccessible ones, blended in place:
// a kernel that reads a byte outside them crashes. Gives the bitmap's bytes.
std::vector<uint8_t> BlendFenced(orvalin::BlendKernel kernel, const std::vector<uint8_t> &sprite,
                                 const std::vector<uint8_t> &start, int width, const orvalin::BlendTable &table,
                                 bool atPageEnd)
{
    static FencedPage spritePage, workPage;
    if (!spritePage.valid() || !workPage.valid()) {
        ADD_FAILURE() << "no fenced pages";
        return {};
    }
    const size_t bitmapBytes = StrideOf(width) * kHeight;
    uint8_t *fencedSprite = atPageEnd ? spritePage.endingWith(sprite.size()) : spritePage.first();
    uint8_t *fencedWork = atPageEnd ? workPage.endingWith(bitmapBytes) : workPage.first();
    std::copy(sprite.begin(), sprite.end(), fencedSprite);
    std::copy(start.begin(), start.begin() + static_cast<std::ptrdiff_t>(bitmapBytes), fencedWork);
    kernel(fencedSprite, fencedWork, fencedWork, width, kHeight, StrideOf(width), table);
    return {fencedWork, fencedWork + bitmapBytes};
}

TEST(BlendKernels, EveryKernelOnEveryWidthUpTo130)
{
    std::mt19937 random(20261207);
    for (const int32_t percent : {1, 30, 70, 100, 150}) {
        const float opacity = ReferenceOpacity(percent);
        orvalin::BlendTable table;
        orvalin::BuildBlendTable(opacity, table);
        for (int width = 1; width <= 130; ++width) {
            const std::vector<uint8_t> sprite = MakeSprite(width, random);
            const std::vector<uint8_t> start = MakeWork(width, random);
            const std::vector<uint8_t> expected = Expected(sprite, start, width, opacity);
            const std::vector<uint8_t> bitmap(expected.begin(), expected.begin() + StrideOf(width) * kHeight);
            for (const auto &kernel : orvalin::AvailableBlendKernels()) {
                SCOPED_TRACE(testing::Message() << kernel.name << ", width " << width << ", " << percent << " %");
                std::vector<uint8_t> inPlace = start;
                // Padding and the guard row hold kGuard in `start` too, so
                // a separate output must end up equal to the in-place one.
                std::vector<uint8_t> separate(start.size(), kGuard);
                kernel.rows(sprite.data(), inPlace.data(), inPlace.data(), width, kHeight, StrideOf(width), table);
                kernel.rows(sprite.data(), start.data(), separate.data(), width, kHeight, StrideOf(width), table);
                ASSERT_EQ(expected, inPlace);
                ASSERT_EQ(expected, separate);
                for (const bool atPageEnd : {false, true})
                    ASSERT_EQ(bitmap, BlendFenced(kernel.rows, sprite, start, width, table, atPageEnd));
                if (kernel.paired != nullptr) {
                    std::vector<uint8_t> pairs(orvalin::BlendPairsBytes(width, kHeight), kGuard);
                    orvalin::BuildBlendPairs(sprite.data(), start.data(), width, kHeight, StrideOf(width),
                                             pairs.data());
                    std::vector<uint8_t> fromPairs(start.size(), kGuard);
                    kernel.paired(sprite.data(), pairs.data(), start.data(), fromPairs.data(), width, kHeight,
                                  StrideOf(width), table);
                    ASSERT_EQ(expected, fromPairs) << "from prepared pairs";
                }
            }
            std::vector<uint8_t> work = start;
            orvalin::BlendSprite(sprite.data(), width, kHeight, work.data(), work.data(), StrideOf(width), opacity);
            ASSERT_EQ(expected, work) << "whole sprite, width " << width << ", " << percent << " %";
        }
    }
}

TEST(BlendKernels, PortableKernelIsAlwaysOffered)
{
    const auto kernels = orvalin::AvailableBlendKernels();
    ASSERT_FALSE(kernels.empty());
    EXPECT_STREQ("portable", kernels.back().name);
}

} // namespace
