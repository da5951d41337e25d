// The sprite file format as the two loaders accept or refuse it.
#include "sprite_fixture.h"

#include <functional>

namespace orvalin_test {
namespace {

class SpriteLoaderTest : public SpriteLibraryTest {
protected:
    int LoadBoth(const std::string &name, const Bytes &file, int *wideHandle)
    {
        const std::string path = WriteFile(name, file);
        const int ansi = LoadGUIResourceA(path.c_str());
        *wideHandle = LoadGUIResourceW(Widen(path).c_str());
        return ansi;
    }
};

struct HeaderCase {
    const char *name;
    std::function<void(Bytes &)> change;
    bool accepted;
};

Bytes TwoByThree() { return SpriteFileBytes(2, 3, UniformPixels(2, 3, {10, 20, 30}, 200)); }

void SetSize(Bytes &file, int32_t width, int32_t height)
{
    PutLE32(file, 18, static_cast<uint32_t>(width));
    PutLE32(file, 22, static_cast<uint32_t>(height));
    PutLE32(file, 34, static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 4u);
}

const HeaderCase kHeaderCases[] = {
    {"well formed", [](Bytes &) {}, true},
    {"24 bits per pixel", [](Bytes &f) { PutLE16(f, 28, 24); }, false},
    {"compression 3 (colour masks)", [](Bytes &f) { PutLE32(f, 30, 3); }, false},
    {"compression 1", [](Bytes &f) { PutLE32(f, 30, 1); }, false},
    {"108-byte information header", [](Bytes &f) { PutLE32(f, 14, 108); }, false},
    {"124-byte information header", [](Bytes &f) { PutLE32(f, 14, 124); }, false},
    {"image size 0", [](Bytes &f) { PutLE32(f, 34, 0); }, false},
    {"image size one too many", [](Bytes &f) { PutLE32(f, 34, 25); }, false},
    {"planes 0", [](Bytes &f) { PutLE16(f, 26, 0); }, false},
    {"planes 2", [](Bytes &f) { PutLE16(f, 26, 2); }, false},
    {"colours used 1", [](Bytes &f) { PutLE32(f, 46, 1); }, false},
    {"important colours 1", [](Bytes &f) { PutLE32(f, 50, 1); }, false},
    {"signature BA", [](Bytes &f) { f[1] = 'A'; }, false},
    {"signature MB", [](Bytes &f) { f[0] = 'M', f[1] = 'B'; }, false},
    {"empty file", [](Bytes &f) { f.clear(); }, false},
    {"13 bytes", [](Bytes &f) { f.resize(13); }, false},
    {"file header only", [](Bytes &f) { f.resize(14); }, false},
    {"53 bytes", [](Bytes &f) { f.resize(53); }, false},
    {"headers only", [](Bytes &f) { f.resize(54); }, false},
    {"one byte short", [](Bytes &f) { f.pop_back(); }, false},
    {"surplus bytes", [](Bytes &f) { f.insert(f.end(), 100, 0xEE); }, true},
    {"pixel offset 0", [](Bytes &f) { PutLE32(f, 10, 0); }, true},
    {"pixel offset 1000", [](Bytes &f) { PutLE32(f, 10, 1000); }, true},
    {"file size and resolutions ignored", [](Bytes &f) { PutLE32(f, 2, 1), PutLE32(f, 38, 0xFFFFFFFF); }, true},
    {"width 0", [](Bytes &f) { SetSize(f, 0, 3); }, false},
    {"height 0", [](Bytes &f) { SetSize(f, 2, 0); }, false},
    {"negative width", [](Bytes &f) { SetSize(f, -2, 3); }, false},
    {"negative height (top-down)", [](Bytes &f) { SetSize(f, 2, -3); }, false},
    {"both negative", [](Bytes &f) { SetSize(f, -2, -3); }, false},
    {"product wraps to 0", [](Bytes &f) { SetSize(f, 0x10000, 0x4000); }, false},
    {"product wraps to 24", [](Bytes &f) { SetSize(f, 0x40000001, 6); }, false},
};

TEST_F(SpriteLoaderTest, HeaderFieldsOneByOne)
{
    int fileNumber = 0;
    for (const HeaderCase &c : kHeaderCases) {
        SCOPED_TRACE(c.name);
        Bytes file = TwoByThree();
        c.change(file);
        int wide = 0;
        const int ansi = LoadBoth("case" + std::to_string(++fileNumber) + ".dat", file, &wide);
        EXPECT_EQ(c.accepted, ansi != 0);
        EXPECT_EQ(c.accepted, wide != 0);
        UnLoadGUIResource(ansi);
        UnLoadGUIResource(wide);
    }
}

// A failed load leaves the table as it was: the next sprite gets handle 1.
TEST_F(SpriteLoaderTest, RefusedFilesTakeNoSlot)
{
    Bytes bad = TwoByThree();
    PutLE16(bad, 28, 24);
    EXPECT_EQ(0, LoadGUIResourceA(WriteFile("bad.dat", bad).c_str()));
    EXPECT_EQ(0, LoadGUIResourceA((folder_ + "/missing.dat").c_str()));
    EXPECT_EQ(0, LoadGUIResourceA(folder_.c_str()));
    EXPECT_EQ(0, LoadGUIResourceA(nullptr));
    EXPECT_EQ(0, LoadGUIResourceW(nullptr));
    EXPECT_EQ(1, LoadGUIResourceA(WriteFile("good.dat", TwoByThree()).c_str()));
}

struct SideCase {
    int32_t width;
    int32_t height;
    bool ansi;
};

TEST_F(SpriteLoaderTest, SixtyFourPixelLimitOfTheAnsiLoaderOnly)
{
    const SideCase cases[] = {{64, 64, true}, {65, 10, false}, {10, 65, false}, {1, 1, true}, {200, 3, false}};
    for (const SideCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        int wide = 0;
        const Bytes file = SpriteFileBytes(c.width, c.height, UniformPixels(c.width, c.height, {1, 2, 3}, 4));
        const int ansi = LoadBoth(std::to_string(c.width) + "x" + std::to_string(c.height), file, &wide);
        EXPECT_EQ(c.ansi, ansi != 0);
        ASSERT_NE(0, wide);
        OrvalinSize size{};
        GetGUIResourceSize(wide, &size);
        EXPECT_EQ(c.width, size.width);
        EXPECT_EQ(c.height, size.height);
        UnLoadGUIResource(ansi);
        UnLoadGUIResource(wide);
    }
}

TEST_F(SpriteLoaderTest, PathsInTheAnsiCodePageAndInUtf16)
{
    WriteFile(std::filesystem::path(u8"кнопка.dat"), TwoByThree());
    EXPECT_EQ(1, LoadGUIResourceW((Widen(folder_) + Widen(u"/кнопка.dat")).c_str()));
    EXPECT_EQ(0, LoadGUIResourceW((Widen(folder_) + Widen(u"/кнопкa.dat")).c_str()));
#if defined(_WIN32)
    if (GetACP() != 1251)
        GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not Windows-1251";
#endif
    const std::string ansi = folder_ + "/\xEA\xED\xEE\xEF\xEA\xE0.dat"; // the same in Windows-1251
    EXPECT_EQ(2, LoadGUIResourceA(ansi.c_str()));
}

// The pixels come from offset 54 whatever the offset field says, unchanged
// and bottom row first.
TEST_F(SpriteLoaderTest, PixelsReadFromOffset54)
{
    const Bytes pixels = {1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255};
    Bytes file = SpriteFileBytes(2, 2, pixels);
    PutLE32(file, 10, 58);
    ASSERT_EQ(1, LoadGUIResourceA(WriteFile("offset.dat", file).c_str()));
    WindowSurface surface(2, 2, {0, 0, 0});
    ASSERT_EQ(1, RenderGUIResourceDC(1, surface.dc(), 0, 0, 100));
    EXPECT_EQ((Colour{7, 8, 9}), surface.At(0, 0));
    EXPECT_EQ((Colour{10, 11, 12}), surface.At(1, 0));
    EXPECT_EQ((Colour{1, 2, 3}), surface.At(0, 1));
    EXPECT_EQ((Colour{4, 5, 6}), surface.At(1, 1));
}

} // namespace
} // namespace orvalin_test
