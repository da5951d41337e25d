// Every kernel this processor can run against the plain rule, over every
// (colour, alpha, under) triple at every opacity percent that matters.
#include "blend_kernels.h"
#include "blend_reference.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <vector>

namespace {

using orvalin::AvailableBlendKernels;
using orvalin::BlendTable;
using orvalin_test::ReferenceChannel;
using orvalin_test::ReferenceFactors;
using orvalin_test::ReferenceFactorsFor;
using orvalin_test::ReferenceOpacity;

constexpr int kSide = 256;
constexpr size_t kStride = kSide * 3;

// Under-pixel channels are distinct bijections of one value so that every
// channel meets every (colour, under) pair on its own.
constexpr std::array<int, 3> kUnderShift = {0, 101, 203};
constexpr std::array<int, 3> kColourShift = {0, 85, 170};

enum class AlphaPattern { ChangingInEveryChunk, UniformPerRow, QuarterChangingInEveryChunk };

// Row r, pixel i: an alpha that walks through all 256 values either along the
// row or from row to row, or along the row through the 64 values 4k + quarter.
uint8_t AlphaAt(AlphaPattern pattern, int quarter, int row, int i)
{
    switch (pattern) {
    case AlphaPattern::UniformPerRow:
        return static_cast<uint8_t>(row);
    case AlphaPattern::QuarterChangingInEveryChunk:
        return static_cast<uint8_t>(4 * ((row + i) % 64) + quarter);
    default:
        return static_cast<uint8_t>(row + i);
    }
}

// Row r, pixel i: colour i (shifted per channel) and the pattern's alpha.
std::vector<uint8_t> MakeSprite(AlphaPattern pattern, int quarter)
{
    std::vector<uint8_t> sprite(static_cast<size_t>(kSide) * kSide * 4);
    for (int row = 0; row < kSide; ++row)
        for (int i = 0; i < kSide; ++i) {
            uint8_t *pixel = &sprite[(static_cast<size_t>(row) * kSide + i) * 4];
            for (int channel = 0; channel < 3; ++channel)
                pixel[channel] = static_cast<uint8_t>(i + kColourShift[channel]);
            pixel[3] = AlphaAt(pattern, quarter, row, i);
        }
    return sprite;
}

std::vector<uint8_t> MakeUnder(int under)
{
    std::vector<uint8_t> work(kStride * kSide);
    for (size_t pixel = 0; pixel < work.size() / 3; ++pixel)
        for (int channel = 0; channel < 3; ++channel)
            work[pixel * 3 + channel] = static_cast<uint8_t>(under + kUnderShift[channel]);
    return work;
}

std::vector<uint8_t> ReferenceImage(const std::vector<uint8_t> &sprite, std::vector<uint8_t> work,
                                    float opacity)
{
    std::array<ReferenceFactors, 256> factors;
    for (int alpha = 0; alpha < 256; ++alpha)
        factors[alpha] = ReferenceFactorsFor(static_cast<uint8_t>(alpha), opacity);
    for (size_t pixel = 0; pixel < work.size() / 3; ++pixel) {
        const uint8_t alpha = sprite[pixel * 4 + 3];
        for (int channel = 0; channel < 3; ++channel) {
            uint8_t &target = work[pixel * 3 + channel];
            target = ReferenceChannel(sprite[pixel * 4 + channel], alpha, target, opacity, factors[alpha]);
        }
    }
    return work;
}

// Reports the first wrong byte in terms of its inputs rather than dumping buffers.
void ExpectSameImage(const std::vector<uint8_t> &sprite, const std::vector<uint8_t> &under,
                     const std::vector<uint8_t> &expected, const std::vector<uint8_t> &actual)
{
    if (expected == actual)
        return;
    for (size_t i = 0; i < expected.size(); ++i)
        if (expected[i] != actual[i]) {
            const size_t pixel = i / 3;
            ADD_FAILURE() << "colour " << int(sprite[pixel * 4 + i % 3]) << " alpha "
                          << int(sprite[pixel * 4 + 3]) << " under " << int(under[i]) << ": expected "
                          << int(expected[i]) << ", got " << int(actual[i]);
            return;
        }
}

void CheckAllKernels(AlphaPattern pattern, const std::vector<int32_t> &percents, int quarter = 0)
{
    const std::vector<uint8_t> sprite = MakeSprite(pattern, quarter);
    for (const int32_t percent : percents) {
        const float opacity = ReferenceOpacity(percent);
        BlendTable table;
        orvalin::BuildBlendTable(opacity, table);
        for (int under = 0; under < 256; ++under) {
            const std::vector<uint8_t> start = MakeUnder(under);
            const std::vector<uint8_t> expected = ReferenceImage(sprite, start, opacity);
            for (const auto &kernel : AvailableBlendKernels()) {
                SCOPED_TRACE(testing::Message() << kernel.name << " at " << percent << " %");
                // Into a separate bitmap, as over a kept background.
                std::vector<uint8_t> work(start.size());
                kernel.rows(sprite.data(), start.data(), work.data(), kSide, kSide, kStride, table);
                ExpectSameImage(sprite, start, expected, work);
                if (kernel.paired != nullptr) {
                    std::vector<uint8_t> pairs(orvalin::BlendPairsBytes(kSide, kSide));
                    orvalin::BuildBlendPairs(sprite.data(), start.data(), kSide, kSide, kStride, pairs.data());
                    std::vector<uint8_t> fromPairs(start.size());
                    kernel.paired(sprite.data(), pairs.data(), start.data(), fromPairs.data(), kSide, kSide, kStride,
                                  table);
                    ExpectSameImage(sprite, start, expected, fromPairs);
                }
                if (testing::Test::HasFailure())
                    return;
            }
        }
    }
}

std::vector<int32_t> EveryPercent()
{
    std::vector<int32_t> percents;
    for (int32_t percent = 0; percent <= 100; ++percent)
        percents.push_back(percent);
    for (const int32_t above : {101, 150, -1})
        percents.push_back(above);
    return percents;
}

TEST(BlendKernelsExhaustive, EveryTripleWithAlphaChangingInsideEveryChunk)
{
    CheckAllKernels(AlphaPattern::ChangingInEveryChunk, EveryPercent());
}

// Whole chunks of one alpha take the kernels' shortcuts (skip, copy, broadcast).
TEST(BlendKernelsExhaustive, EveryTripleWithUniformAlphaRows)
{
    CheckAllKernels(AlphaPattern::UniformPerRow, {1, 30, 70, 99, 100});
}

// A sprite of at most 64 alphas takes its coefficients from a palette kept
// with the prepared pairs; four such sprites cover every alpha.
TEST(BlendKernelsExhaustive, EveryTripleThroughAPaletteOfSixtyFourAlphas)
{
    for (int quarter = 0; quarter < 4; ++quarter)
        CheckAllKernels(AlphaPattern::QuarterChangingInEveryChunk, {1, 58, 99, 100}, quarter);
}

} // namespace
