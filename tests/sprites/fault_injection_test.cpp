// Creations that fail inside each call: the documented result, and every
// GDI object and heap block created on the way released again.
#include "sprite_fixture.h"

#include "system_services.h"

#include <functional>

namespace orvalin_test {
namespace {

class FaultInjectionTest : public SpriteLibraryTest {
protected:
    void SetUp() override
    {
        SpriteLibraryTest::SetUp();
        handle_ = LoadUniformSprite(3, 2, {100, 150, 200}, 128);
        ASSERT_EQ(1, handle_);
    }
    // No armed failure outlives its test, even one that stopped half-way.
    void TearDown() override
    {
        SysFailNextCreations(0, 0);
        SpriteLibraryTest::TearDown();
    }
    int handle_ = 0;
};

struct FaultCase {
    const char *call;
    int kinds;
    int expected;
};

using Call = std::function<int(int handle, HDC hdc)>;

Call CallNamed(const std::string &name)
{
    if (name == "SetPalette")
        return [](int h, HDC dc) { return SetPalette(h, dc, 0, 0); };
    if (name == "RenderGUIResourceDC")
        return [](int h, HDC dc) { return RenderGUIResourceDC(h, dc, 0, 0, 50); };
    return [](int h, HDC dc) { return RenderGUISMS(h, dc, 0, 0, 50); };
}

TEST_F(FaultInjectionTest, FailedCreationsReleaseEverythingAndReportAsDocumented)
{
    const FaultCase cases[] = {
        {"SetPalette", SYS_RESOURCE_DC, 1},           {"SetPalette", SYS_RESOURCE_DIB_SECTION, 1},
        {"SetPalette", SYS_RESOURCE_HEAP, 1},         {"RenderGUIResourceDC", SYS_RESOURCE_DC, 0},
        {"RenderGUIResourceDC", SYS_RESOURCE_DIB_SECTION, 0}, {"RenderGUISMS", SYS_RESOURCE_DC, 0},
        {"RenderGUISMS", SYS_RESOURCE_DIB_SECTION, 0},
    };
    WindowSurface surface(4, 4, {1, 2, 3});
    for (const FaultCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.call << " failing kind " << c.kinds);
        ASSERT_EQ(1, SetPalette(handle_, surface.dc(), 0, 0));
        const Bytes before = surface.pixels();
        const int objects = SysLiveGdiObjectCount();
        const int blocks = SysLiveHeapBlockCount();
        SysFailNextCreations(c.kinds, 1);
        EXPECT_EQ(c.expected, CallNamed(c.call)(handle_, surface.dc()));
        SysFailNextCreations(0, 0);
        if (std::string(c.call) != "SetPalette") {
            EXPECT_EQ(before, surface.pixels());
            EXPECT_EQ(blocks, SysLiveHeapBlockCount());
        } else {
            // The old snapshot went first; the failed capture left none.
            EXPECT_EQ(blocks - 1, SysLiveHeapBlockCount());
            EXPECT_EQ(0, RenderGUISMS(handle_, surface.dc(), 0, 0, 50));
        }
        EXPECT_EQ(objects, SysLiveGdiObjectCount());
    }
}

TEST_F(FaultInjectionTest, OpacityZeroDrawsNothingAndCreatesNothing)
{
    const int handle = LoadUniformSprite(2, 2, {9, 9, 9}, 255);
    WindowSurface surface(4, 4, {50, 60, 70});
    ASSERT_EQ(1, SetPalette(handle, surface.dc(), 0, 0));
    // Any creation would fail now; opacity 0 must not try one.
    SysFailNextCreations(SYS_RESOURCE_DC | SYS_RESOURCE_DIB_SECTION | SYS_RESOURCE_HEAP, 100);
    EXPECT_EQ(1, RenderGUIResourceDC(handle, surface.dc(), 1, 1, 0));
    EXPECT_EQ(1, RenderGUISMS(handle, surface.dc(), 1, 1, 0));
    EXPECT_EQ(0, RenderGUIResourceDC(handle, nullptr, 1, 1, 0));
    EXPECT_EQ(0, RenderGUISMS(handle, nullptr, 1, 1, 0));
    SysFailNextCreations(0, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ((Colour{50, 60, 70}), surface.At(x, y));
}

TEST_F(FaultInjectionTest, SuccessfulCallsKeepOnlyTheSnapshot)
{
    WindowSurface surface(4, 4, {1, 2, 3});
    const int objects = SysLiveGdiObjectCount();
    const int blocks = SysLiveHeapBlockCount();
    ASSERT_EQ(1, SetPalette(handle_, surface.dc(), 0, 0));
    EXPECT_EQ(blocks + 1, SysLiveHeapBlockCount());
    ASSERT_EQ(1, SetPalette(handle_, surface.dc(), 1, 0));
    ASSERT_EQ(1, RenderGUISMS(handle_, surface.dc(), 0, 0, 50));
    ASSERT_EQ(1, RenderGUIResourceDC(handle_, surface.dc(), 0, 0, 50));
    EXPECT_EQ(blocks + 1, SysLiveHeapBlockCount());
    EXPECT_EQ(objects, SysLiveGdiObjectCount());
    ASSERT_EQ(1, UnLoadGUIResource(handle_));
    EXPECT_EQ(blocks - 2, SysLiveHeapBlockCount()); // record and pixels went with it
}

TEST_F(FaultInjectionTest, LoadingWithoutMemoryTakesNoSlotAndKeepsNothing)
{
    const std::string path = WriteFile("fault.dat", SpriteFileBytes(2, 2, UniformPixels(2, 2, {1, 1, 1}, 1)));
    const int blocks = SysLiveHeapBlockCount();
    SysFailNextCreations(SYS_RESOURCE_HEAP, 1);
    EXPECT_EQ(0, LoadGUIResourceA(path.c_str()));
    SysFailNextCreations(0, 0);
    EXPECT_EQ(blocks, SysLiveHeapBlockCount());
    EXPECT_EQ(2, LoadGUIResourceA(path.c_str()));
}

} // namespace
} // namespace orvalin_test
