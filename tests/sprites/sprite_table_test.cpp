// Slots, handles, releasing and the size query.
#include "sprite_fixture.h"

#if defined(__linux__)
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace orvalin_test {
namespace {

class SpriteTableTest : public SpriteLibraryTest {};

OrvalinSize SizeOf(int handle)
{
    OrvalinSize size{-7, -7};
    GetGUIResourceSize(handle, &size);
    return size;
}

#if defined(__linux__)
// Tells whether anything opened a file since the last call (Linux only:
// Windows reports no opens to a watcher).
class OpenWatch {
public:
    explicit OpenWatch(const std::string &path) : fd_(inotify_init1(IN_NONBLOCK))
    {
        inotify_add_watch(fd_, path.c_str(), IN_OPEN);
    }
    ~OpenWatch() { close(fd_); }
    bool Opened()
    {
        alignas(inotify_event) char events[4096];
        bool opened = false;
        while (read(fd_, events, sizeof events) > 0)
            opened = true;
        return opened;
    }

private:
    int fd_;
};
#endif

TEST_F(SpriteTableTest, HundredSlotsThenRefusalWithoutOpeningAndReuseOfTheFreedSlot)
{
    const std::string path = WriteFile("one.dat", SpriteFileBytes(1, 1, UniformPixels(1, 1, {1, 2, 3}, 255)));
    for (int expected = 1; expected <= 100; ++expected)
        ASSERT_EQ(expected, LoadGUIResourceA(path.c_str()));

#if defined(__linux__)
    OpenWatch watch(path);
#endif
    EXPECT_EQ(0, LoadGUIResourceA(path.c_str()));
    EXPECT_EQ(0, LoadGUIResourceW(Widen("/nonexistent").c_str()));
#if defined(__linux__)
    EXPECT_FALSE(watch.Opened());
#endif

    EXPECT_EQ(1, UnLoadGUIResource(37));
    EXPECT_EQ(37, LoadGUIResourceA(path.c_str()));
#if defined(__linux__)
    EXPECT_TRUE(watch.Opened());
#endif
}

TEST_F(SpriteTableTest, FirstEmptySlotIsHandedOutFirst)
{
    for (int i = 0; i < 6; ++i)
        ASSERT_EQ(i + 1, LoadUniformSprite(2, 2, {0, 0, 0}, 255));
    ASSERT_EQ(1, UnLoadGUIResource(5));
    ASSERT_EQ(1, UnLoadGUIResource(2));
    EXPECT_EQ(2, LoadUniformSprite(2, 2, {0, 0, 0}, 255));
    EXPECT_EQ(5, LoadUniformSprite(2, 2, {0, 0, 0}, 255));
    EXPECT_EQ(7, LoadUniformSprite(2, 2, {0, 0, 0}, 255));
}

TEST_F(SpriteTableTest, SameFileTwiceGivesTwoIndependentSprites)
{
    const std::string path = WriteFile("twice.dat", SpriteFileBytes(3, 2, UniformPixels(3, 2, {9, 9, 9}, 255)));
    const int first = LoadGUIResourceA(path.c_str());
    const int second = LoadGUIResourceA(path.c_str());
    ASSERT_EQ(1, first);
    ASSERT_EQ(2, second);
    EXPECT_EQ(1, UnLoadGUIResource(first));
    const OrvalinSize size = SizeOf(second);
    EXPECT_EQ(3, size.width);
    EXPECT_EQ(2, size.height);
}

TEST_F(SpriteTableTest, ReleasingTwiceFailsAndLeavesNeighboursAlone)
{
    for (int width = 1; width <= 6; ++width)
        ASSERT_EQ(width, LoadUniformSprite(width, 1, {5, 5, 5}, 128));
    EXPECT_EQ(1, UnLoadGUIResource(5));
    EXPECT_EQ(0, UnLoadGUIResource(5));
    EXPECT_EQ(0, SizeOf(5).width);
    EXPECT_EQ(4, SizeOf(4).width);
    EXPECT_EQ(6, SizeOf(6).width);

    WindowSurface surface(8, 8, {0, 0, 0});
    EXPECT_EQ(1, RenderGUIResourceDC(4, surface.dc(), 0, 0, 100));
    EXPECT_EQ(1, SetPalette(6, surface.dc(), 0, 1));
    EXPECT_EQ(1, RenderGUISMS(6, surface.dc(), 0, 1, 100));
    EXPECT_EQ(0, RenderGUISMS(5, surface.dc(), 0, 1, 100));
}

TEST_F(SpriteTableTest, InvalidHandlesAreRefusedByEveryFunction)
{
    ASSERT_EQ(1, LoadUniformSprite(2, 2, {1, 1, 1}, 255));
    WindowSurface surface(4, 4, {7, 7, 7});
    for (const int handle : {0, 101, -1, 2, 100, 0x7FFFFFFF, INT32_MIN}) {
        SCOPED_TRACE(handle);
        EXPECT_EQ(0, UnLoadGUIResource(handle));
        EXPECT_EQ(0, SetPalette(handle, surface.dc(), 0, 0));
        EXPECT_EQ(0, RenderGUIResourceDC(handle, surface.dc(), 0, 0, 100));
        EXPECT_EQ(0, RenderGUISMS(handle, surface.dc(), 0, 0, 100));
        const OrvalinSize size = SizeOf(handle);
        EXPECT_EQ(0, size.width);
        EXPECT_EQ(0, size.height);
    }
    EXPECT_EQ((Colour{7, 7, 7}), surface.At(0, 0));
}

TEST_F(SpriteTableTest, SizeQuery)
{
    ASSERT_EQ(1, LoadUniformSprite(1, 1, {0, 0, 0}, 0));
    ASSERT_EQ(2, LoadUniformSprite(64, 33, {0, 0, 0}, 0));
    EXPECT_EQ(1, SizeOf(1).width);
    EXPECT_EQ(1, SizeOf(1).height);
    EXPECT_EQ(64, SizeOf(2).width);
    EXPECT_EQ(33, SizeOf(2).height);
    GetGUIResourceSize(1, nullptr); // must simply return
}

} // namespace
} // namespace orvalin_test
