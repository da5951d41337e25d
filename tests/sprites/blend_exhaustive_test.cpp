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

enum class AlphaPattern { ChangingInEveryChunk, UniformPerRow, PaletteChangingInEveryChunk };

// A palette of `size` alphas (64 or 128) spread over all 256 from `first`.
struct AlphaPalette {
    int size = 256;
    int first = 0;
};

// Row r, pixel i: an alpha that walks through all 256 values either along the
// row or from row to row, or along the row through the palette's values.
uint8_t AlphaAt(AlphaPattern pattern, AlphaPalette palette, int row, int i)
{
    switch (pattern) {
    case AlphaPattern::UniformPerRow:
        return static_cast<uint8_t>(row);
    case AlphaPattern::PaletteChangingInEveryChunk:
        return static_cast<uint8_t>(256 / palette.size * ((row + i) % palette.size) + palette.first);
    default:
        return static_cast<uint8_t>(row + i);
    }
}

// Row r, pixel i: colour i (shifted per channel) and the pattern's alpha.
std::vector<uint8_t> MakeSprite(AlphaPattern pattern, AlphaPalette palette)
{
    std::vector<uint8_t> sprite(static_cast<size_t>(kSide) * kSide * 4);
    for (int row = 0; row < kSide; ++row)
        for (int i = 0; i < kSide; ++i) {
            uint8_t *pixel = &sprite[(static_cast<size_t>(row) * kSide + i) * 4];
            for (int channel = 0; channel < 3; ++channel)
                pixel[channel] = static_cast<uint8_t>(i + kColourShift[channel]);
            pixel[3] = AlphaAt(pattern, palette, row, i);
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

void CheckAllKernels(AlphaPattern pattern, const std::vector<int32_t> &percents, AlphaPalette palette = {})
{
    const std::vector<uint8_t> sprite = MakeSprite(pattern, palette);
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

// A sprite of at most 128 alphas takes its coefficients from a palette kept
// with the prepared pairs (one of at most 64 from a single table): four
// sprites of 64 alphas and two of 128 each cover every alpha.
TEST(BlendKernelsExhaustive, EveryTripleThroughPalettesOf64And128Alphas)
{
    for (const int size : {64, 128})
        for (int first = 0; first < 256 / size; ++first)
            CheckAllKernels(AlphaPattern::PaletteChangingInEveryChunk, {1, 58, 100}, {size, first});
}

} // namespace
