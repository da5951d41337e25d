// ClassGraphicButton over the real sprite library and real sprite files:
// loading, glow by the sprite's size, hit test, selection, drawing and
// invalidation, and every way the library can be missing.
#include "button_fixture.h"
#include "invalidation_recorder.h"

namespace {

constexpr Bgra Grey200{200, 200, 200, 255};
const HWND Window = reinterpret_cast<HWND>(std::uintptr_t{0x1001});

void expectRect(const RECT &got, RECT expected)
{
    EXPECT_EQ(got.left, expected.left);
    EXPECT_EQ(got.top, expected.top);
    EXPECT_EQ(got.right, expected.right);
    EXPECT_EQ(got.bottom, expected.bottom);
}

void expectGrey(const Bgra &pixel, int value)
{
    EXPECT_EQ(pixel.blue, value);
    EXPECT_EQ(pixel.green, value);
    EXPECT_EQ(pixel.red, value);
}

using GraphicButton = ButtonTest;

TEST_F(GraphicButton, ANewButtonHasEveryFieldZero)
{
    library = libraryIn(folder.path().u16string());
    ClassGraphicButton button(*library);
    EXPECT_EQ(button.PosX(), 0);
    EXPECT_EQ(button.PosY(), 0);
    EXPECT_EQ(button.SpriteHandle(), 0);
    EXPECT_EQ(button.CurrentOpacity(), 0);
    EXPECT_FALSE(button.Selected());
    EXPECT_TRUE(button.IsBelongPoint(0, 0));
    EXPECT_FALSE(button.IsBelongPoint(0.5f, 0));
}

TEST_F(GraphicButton, LoadsItsSpriteAndGlowsByTheSpritesSize)
{
    requireLibrary();
    ClassGraphicButton button(*library);
    ASSERT_EQ(load(button, 410, 10, sprite("Data/but1.dat", 64, 64, Grey200)), 1);
    EXPECT_GE(button.SpriteHandle(), 1);
    EXPECT_LE(button.SpriteHandle(), 100);
    EXPECT_EQ(button.CurrentOpacity(), 30);
    const struct {
        float x, y;
        std::int32_t opacity;
    } moves[] = {{442, 42, 70}, {446, 46, 58}, {459, 59, 30}, {442, 42, 70}, {0, 0, 30}};
    for (const auto &move : moves) {
        button.MouseMove(move.x, move.y);
        EXPECT_EQ(button.CurrentOpacity(), move.opacity) << move.x << ", " << move.y;
    }
}

TEST_F(GraphicButton, HitTestIncludesTheEdgesThatTheGlowLeavesOut)
{
    requireLibrary();
    ClassGraphicButton button(*library);
    // So small that every edge point lies within the full-glow radius of 5:
    // only the strict edge test keeps the glow off there.
    ASSERT_EQ(load(button, 410, 10, sprite("Data/but1.dat", 10, 10, Grey200)), 1);
    const struct {
        float x, y;
        bool hit;
        std::int32_t opacity;
    } points[] = {
        {410, 15, true, 30},    {420, 15, true, 30},     {415, 10, true, 30},
        {415, 20, true, 30},    {410, 10, true, 30},     {420, 20, true, 30},
        {410.5f, 15, true, 70}, {419, 15, true, 70}, {409.99f, 15, false, 30},
        {420.01f, 15, false, 30}, {415, 9.9f, false, 30},  {415, 20.1f, false, 30},
    };
    for (const auto &point : points) {
        EXPECT_EQ(button.IsBelongPoint(point.x, point.y), point.hit) << point.x << ", " << point.y;
        button.MouseMove(point.x, point.y);
        EXPECT_EQ(button.CurrentOpacity(), point.opacity) << point.x << ", " << point.y;
    }
}

TEST_F(GraphicButton, SelectionShowsOnlyAfterTheNextMove)
{
    requireLibrary();
    ClassGraphicButton button(*library);
    ASSERT_EQ(load(button, 410, 56, sprite("Data/but2.dat", 64, 64, Grey200)), 1);
    DrawingSurface surface(500, 300, 100);
    button.SetPalete(surface.dc());

    button.MouseMove(442, 88);
    button.SetSelected(true);
    EXPECT_TRUE(button.Selected());
    EXPECT_EQ(button.CurrentOpacity(), 70);
    button.Render(surface.dc());
    expectGrey(surface.at(442, 88), 169); // 200 over 100 at 70 %, truncated

    button.MouseMove(0, 0);
    EXPECT_EQ(button.CurrentOpacity(), 100);
    button.Render(surface.dc());
    expectGrey(surface.at(442, 88), 200);
    expectGrey(surface.at(409, 88), 100);
    expectGrey(surface.at(442, 55), 100);

    button.SetSelected(false);
    EXPECT_EQ(button.CurrentOpacity(), 100);
    button.MouseMove(0, 0);
    EXPECT_EQ(button.CurrentOpacity(), 30);
}

TEST_F(GraphicButton, RenderBeforeAnyCaptureDrawsNothing)
{
    requireLibrary();
    ClassGraphicButton button(*library);
    ASSERT_EQ(load(button, 10, 10, sprite("Data/but3.dat", 16, 16, Grey200)), 1);
    DrawingSurface surface(40, 40, 100);
    button.Render(surface.dc());
    expectGrey(surface.at(18, 18), 100);
}

TEST_F(GraphicButton, RefreshInvalidatesTheBoxWithATwoPixelMarginLeftAndTop)
{
    requireLibrary();
    ClassGraphicButton button(*library);
    ASSERT_EQ(load(button, 410, 56, sprite("Data/but2.dat", 64, 64, Grey200)), 1);
    InvalidationRecorder recorder;
    button.Refresh(Window);
    ASSERT_EQ(recorder.calls().size(), 1u);
    EXPECT_EQ(recorder.calls()[0].window, Window);
    expectRect(recorder.calls()[0].area, {408, 54, 474, 120});
    EXPECT_TRUE(recorder.calls()[0].erase);
}

TEST_F(GraphicButton, AMissingSpriteFileLeavesAnEmptyBox)
{
    requireLibrary();
    ClassGraphicButton button(*library);
    EXPECT_EQ(load(button, 410, 10, utf16(folder.path() / "Data/but4.dat")), 0);
    EXPECT_EQ(button.SpriteHandle(), 0);
    EXPECT_EQ(button.CurrentOpacity(), 30);
    EXPECT_EQ(button.PosX(), 410);
    EXPECT_EQ(button.PosY(), 10);
    EXPECT_TRUE(button.IsBelongPoint(410, 10));
    EXPECT_FALSE(button.IsBelongPoint(410.5f, 10));
    button.MouseMove(410, 10);
    EXPECT_EQ(button.CurrentOpacity(), 30);

    InvalidationRecorder recorder;
    button.Refresh(Window);
    ASSERT_EQ(recorder.calls().size(), 1u);
    expectRect(recorder.calls()[0].area, {408, 8, 410, 10});
}

TEST_F(GraphicButton, PathsReachTheLibraryInTheAnsiCodePage)
{
    requireLibrary();
    ClassGraphicButton cyrillic(*library);
    EXPECT_EQ(load(cyrillic, 0, 0, sprite("Скины/кнопка.dat", 8, 8, Grey200)), 1);
    // A character the code page lacks becomes '?', which names no file.
    ClassGraphicButton foreign(*library);
    EXPECT_EQ(load(foreign, 0, 0, sprite("日本/but1.dat", 8, 8, Grey200)), 0);
}

TEST_F(GraphicButton, TheLibraryIsFoundInAProgramFolderWithACyrillicName)
{
    requireLibrary();
    const std::filesystem::path programFolder =
        folder.path() / std::filesystem::u8path("Программа");
    std::filesystem::create_directories(programFolder);
    std::filesystem::copy_file(std::filesystem::path(builtLibraryFolder()) /
                                   SpriteLibrary::FileName,
                               programFolder / SpriteLibrary::FileName);
    // A copy is a library of its own, with its own table, gone with `copy`.
    SpriteLibrary copy(utf16(programFolder));
    ClassGraphicButton button(copy);
    EXPECT_EQ(button.Load(0, 0, sprite("Data/but1.dat", 8, 8, Grey200)), 1);
}

TEST_F(GraphicButton, RefreshNearTheSmallestCoordinateDoesNotWrapAround)
{
    library = libraryIn(folder.path().u16string());
    ClassGraphicButton button(*library);
    button.Load(-2147483647 - 1, 5, u"none.dat");
    InvalidationRecorder recorder;
    button.Refresh(Window);
    ASSERT_EQ(recorder.calls().size(), 1u);
    expectRect(recorder.calls()[0].area, {-2147483647 - 1, 3, -2147483647 - 1, 5});
}

// A folder without the library, and one whose library file lacks the functions.
class MissingLibrary : public ButtonTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        const bool withForeignLibrary = GetParam();
        if (withForeignLibrary)
            std::filesystem::copy_file(FOREIGN_LIBRARY, folder.path() / SpriteLibrary::FileName);
        library = libraryIn(folder.path().u16string());
    }
};

TEST_P(MissingLibrary, EveryCallFailsAsAFailedLoadDoes)
{
    ClassGraphicButton button(*library);
    EXPECT_EQ(button.Load(410, 10, sprite("Data/but1.dat", 64, 64, Grey200)), 0);
    EXPECT_EQ(button.SpriteHandle(), 0);
    EXPECT_EQ(button.CurrentOpacity(), 30);
    SpriteSize size{7, 7};
    library->GetGUIResourceSize(1, &size);
    EXPECT_EQ(size.width, 0);
    EXPECT_EQ(size.height, 0);

    DrawingSurface surface(500, 100, 100);
    button.SetPalete(surface.dc());
    button.MouseMove(442, 42);
    EXPECT_EQ(button.CurrentOpacity(), 30);
    button.Render(surface.dc());
    expectGrey(surface.at(442, 42), 100);
    EXPECT_TRUE(button.IsBelongPoint(410, 10));
    EXPECT_FALSE(button.IsBelongPoint(442, 42));
}

INSTANTIATE_TEST_SUITE_P(Library, MissingLibrary, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return info.param ? "WithoutTheFunctions" : "Absent";
                         });

} // namespace
