#include "system_services.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace pellory::test {
namespace {

HWND window() { return reinterpret_cast<HWND>(uintptr_t{0x1234}); }

// What the hooks saw, reset by the fixture.
struct Seen {
    HWND hwnd = nullptr;
    RECT rect{};
    bool rectGiven = false;
    BOOL erase = FALSE;
} seen;

BOOL fakeWindowRect(HWND hwnd, RECT *rect)
{
    seen.hwnd = hwnd;
    *rect = RECT{100, 200, 600, 700};
    return TRUE;
}

BOOL fakeScreenToClient(HWND hwnd, POINT *point)
{
    seen.hwnd = hwnd;
    point->x -= 104;
    point->y -= 230;
    return TRUE;
}

BOOL fakeInvalidate(HWND hwnd, const RECT *rect, BOOL erase)
{
    seen.hwnd = hwnd;
    seen.rectGiven = rect != nullptr;
    if (rect != nullptr)
        seen.rect = *rect;
    seen.erase = erase;
    return TRUE;
}

BOOL fakeCursor(POINT *point)
{
    *point = POINT{321, 654};
    return TRUE;
}

class WindowHooksTest : public ::testing::Test {
protected:
    void SetUp() override { seen = Seen{}; }
    void TearDown() override { SysInstallWindowHooks(nullptr); }
};

TEST_F(WindowHooksTest, WithoutHooksEveryQueryFails)
{
    RECT rect{1, 2, 3, 4};
    POINT point{5, 6};
    EXPECT_FALSE(GetWindowRect(window(), &rect));
    EXPECT_FALSE(GetCursorPos(&point));
    EXPECT_FALSE(ScreenToClient(window(), &point));
    EXPECT_FALSE(InvalidateRect(window(), &rect, TRUE));
    EXPECT_EQ(point.x, 5) << "a failed query leaves its out-record alone";
}

TEST_F(WindowHooksTest, InstalledHooksAnswerWithTheirArguments)
{
    const SysWindowHooks hooks{fakeWindowRect, fakeScreenToClient, fakeInvalidate, fakeCursor};
    SysInstallWindowHooks(&hooks);
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(window(), &rect));
    EXPECT_EQ(seen.hwnd, window());
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.bottom, 700);
    POINT point{};
    ASSERT_TRUE(GetCursorPos(&point));
    EXPECT_EQ(point.x, 321);
    EXPECT_EQ(point.y, 654);
    ASSERT_TRUE(ScreenToClient(window(), &point));
    EXPECT_EQ(point.x, 217);
    EXPECT_EQ(point.y, 424);
    const RECT area{408, 54, 474, 120};
    ASSERT_TRUE(InvalidateRect(window(), &area, TRUE));
    EXPECT_TRUE(seen.rectGiven);
    EXPECT_EQ(seen.rect.right, 474);
    EXPECT_EQ(seen.erase, TRUE);
    ASSERT_TRUE(InvalidateRect(window(), nullptr, FALSE)) << "the whole client area";
    EXPECT_FALSE(seen.rectGiven);
}

TEST_F(WindowHooksTest, MissingMembersAndOutRecordsFail)
{
    const SysWindowHooks onlyCursor{nullptr, nullptr, nullptr, fakeCursor};
    SysInstallWindowHooks(&onlyCursor);
    RECT rect{};
    POINT point{};
    EXPECT_FALSE(GetWindowRect(window(), &rect));
    EXPECT_FALSE(InvalidateRect(window(), nullptr, TRUE));
    EXPECT_FALSE(GetCursorPos(nullptr));
    EXPECT_TRUE(GetCursorPos(&point));
    SysInstallWindowHooks(nullptr);
    EXPECT_FALSE(GetCursorPos(&point)) << "removed again";
}

} // namespace
} // namespace pellory::test
