// Handle identity: a freed object's slot is used again, but never its handle.
#include "gdi_test_support.h"

#include "failing_operator_new.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <set>
#include <thread>
#include <vector>

namespace pellory::test {
namespace {

using GdiHandlesTest = GdiTest;

uintptr_t value(const void *handle) { return reinterpret_cast<uintptr_t>(handle); }

TEST_F(GdiHandlesTest, HandlesOfFreedObjectsStayDeadWhenTheirPlaceIsReused)
{
    std::set<uintptr_t> issued;
    std::vector<HDC> freed;
    for (int round = 0; round < 3000; ++round) {
        HDC dc = CreateCompatibleDC(nullptr);
        ASSERT_NE(dc, nullptr);
        ASSERT_TRUE(issued.insert(value(dc)).second) << "handle issued twice in round " << round;
        EXPECT_EQ(value(dc) % 4, 0u) << "handles look aligned";
        EXPECT_LT(value(dc), uintptr_t{1} << 40) << "file handles begin at 2^40";
        ASSERT_TRUE(DeleteDC(dc));
        if (round % 300 == 0)
            freed.push_back(dc);
    }
    HDC live = CreateCompatibleDC(nullptr);
    for (HDC stale : freed) {
        EXPECT_FALSE(DeleteDC(stale));
        EXPECT_EQ(CreateCompatibleDC(stale), nullptr);
        EXPECT_EQ(SelectObject(stale, nullptr), nullptr);
    }
    EXPECT_TRUE(DeleteDC(live)) << "no stale handle reached the live object in the same place";
}

// Two threads create, blit and free sections as a drawing call does; a
// table or a kept pixel block shared without the lock mixes their colours.
TEST_F(GdiHandlesTest, ThreadsDrawingAtOnceKeepTheirOwnPixels)
{
    constexpr int kSide = 16;
    constexpr size_t kBytes = size_t{kSide} * kSide * 3;
    auto draw = [](BYTE colour, bool &allKept) {
        for (int round = 0; round < 50000 && allKept; ++round) {
            const MemoryDib source(kSide, kSide), target(kSide, kSide);
            std::memset(source.bits, colour, kBytes);
            BitBlt(target.dc, 0, 0, kSide, kSide, source.dc, 0, 0, SRCCOPY);
            allKept = std::all_of(target.bits, target.bits + kBytes, [colour](BYTE b) { return b == colour; });
        }
    };
    bool keptHere = true, keptThere = true;
    std::thread other(draw, BYTE{0x11}, std::ref(keptThere));
    draw(0x77, keptHere);
    other.join();
    EXPECT_TRUE(keptHere);
    EXPECT_TRUE(keptThere);
}

TEST_F(GdiHandlesTest, KindsAreNotTakenForEachOther)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const BITMAPINFO info = dibInfo(2, 2);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(bitmap))) << "a bitmap is not a DC";
    EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(bitmap), dc), nullptr);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteObject(dc));
}

TEST_F(GdiHandlesTest, FullTableRefusesCreationsUntilAnObjectIsFreed)
{
    std::vector<HDC> dcs;
    for (HDC dc; (dc = CreateCompatibleDC(nullptr)) != nullptr;) {
        dcs.push_back(dc);
        ASSERT_LE(dcs.size(), size_t{1} << 20) << "the table must have a limit";
    }
    const BITMAPINFO info = dibInfo(2, 2);
    void *bits = &dcs;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
    ASSERT_TRUE(DeleteDC(dcs.back()));
    dcs.pop_back();
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    EXPECT_NE(bitmap, nullptr);
    EXPECT_TRUE(DeleteObject(bitmap));
    for (HDC dc : dcs)
        ASSERT_TRUE(DeleteDC(dc));
}

// Deleting is what destructors do, so it must not allocate (and so cannot
// throw): the table keeps room for every slot on its free list.
TEST_F(GdiHandlesTest, DeletingManyObjectsAllocatesNothing)
{
    std::vector<HDC> dcs(1000);
    for (HDC &dc : dcs)
        ASSERT_NE(dc = CreateCompatibleDC(nullptr), nullptr);
    pellory_test::FailAllocationAfter(0);
    for (HDC dc : dcs)
        EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(pellory_test::ClearAllocationFailure());
}

} // namespace
} // namespace pellory::test
