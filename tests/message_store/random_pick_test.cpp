#include "ClassMessageContainer.h"
#include "RandomGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint64_t kSeed = 20260107;

std::u16string bodyOf(int slot) { return u"message " + std::u16string(1, u'A' + slot); }

// Every test starts from the same generator state, whatever ran before.
class RandomPick : public ::testing::Test {
protected:
    void SetUp() override { SeedRandomGenerator(kSeed); }

    void addRecords(int count, const std::u16string &mark)
    {
        for (int slot = 0; slot < count; ++slot)
            ASSERT_TRUE(store.AddMessage(mark, bodyOf(slot)));
    }

    ClassMessageContainer store;
    std::int32_t index = 7;
    std::u16string message = u"stale";
};

TEST_F(RandomPick, EmptyStoreWithoutFilterFindsNothing)
{
    EXPECT_FALSE(store.GetFiltredRandomMessage(index, message));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(message, u"");
}

TEST_F(RandomPick, FilterMatchingNothingFindsNothing)
{
    addRecords(5, u"1");
    store.SetFilter(u"2");
    EXPECT_FALSE(store.GetFiltredRandomMessage(index, message));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(message, u"");
}

TEST_F(RandomPick, SingleMatchIsAlwaysPositionZero)
{
    addRecords(9, u"1");
    ASSERT_TRUE(store.AddMessage(u"4", u"the only one"));
    addRecords(9, u"1");
    store.SetFilter(u"4");
    for (int pick = 0; pick < 1000; ++pick) {
        ASSERT_TRUE(store.GetFiltredRandomMessage(index, message));
        ASSERT_EQ(index, 0);
        ASSERT_EQ(message, u"the only one");
    }
}

// Records 0, 3, 6, ... carry the mark "x"; position p of the filtered
// sequence is therefore slot 3p.
TEST_F(RandomPick, FilteredPicksStayInRangeAndReachEveryPosition)
{
    constexpr int kSlots = 30;
    constexpr int kMatching = 10;
    for (int slot = 0; slot < kSlots; ++slot)
        ASSERT_TRUE(store.AddMessage(slot % 3 == 0 ? u"x" : u"y", bodyOf(slot)));
    store.SetFilter(u"x");
    std::vector<int> seen(kMatching, 0);
    for (int pick = 0; pick < 5000; ++pick) {
        ASSERT_TRUE(store.GetFiltredRandomMessage(index, message));
        ASSERT_GE(index, 0);
        ASSERT_LT(index, kMatching);
        ASSERT_EQ(message, bodyOf(3 * index));
        ++seen[static_cast<std::size_t>(index)];
    }
    for (int position = 0; position < kMatching; ++position)
        EXPECT_GT(seen[static_cast<std::size_t>(position)], 0) << "position " << position;
}

TEST_F(RandomPick, UnfilteredPicksAreRoughlyUniform)
{
    constexpr int kPositions = 10;
    constexpr int kPicks = 100000;
    // Chi-square with 9 degrees of freedom exceeds 27.88 with probability 0.001.
    constexpr double kChiSquareLimit = 27.88;
    addRecords(kPositions, u"1");
    std::vector<int> seen(kPositions, 0);
    for (int pick = 0; pick < kPicks; ++pick) {
        ASSERT_TRUE(store.GetFiltredRandomMessage(index, message));
        ASSERT_GE(index, 0);
        ASSERT_LT(index, kPositions);
        ASSERT_EQ(message, bodyOf(index));
        ++seen[static_cast<std::size_t>(index)];
    }
    const double expected = static_cast<double>(kPicks) / kPositions;
    double chiSquare = 0;
    for (int count : seen)
        chiSquare += (count - expected) * (count - expected) / expected;
    EXPECT_LT(chiSquare, kChiSquareLimit);
}

TEST_F(RandomPick, SameSeedRepeatsThePicks)
{
    addRecords(26, u"1");
    std::vector<std::int32_t> first, second;
    for (std::vector<std::int32_t> *run : {&first, &second}) {
        SeedRandomGenerator(kSeed);
        for (int pick = 0; pick < 50; ++pick) {
            ASSERT_TRUE(store.GetFiltredRandomMessage(index, message));
            run->push_back(index);
        }
    }
    EXPECT_EQ(first, second);
}

} // namespace
