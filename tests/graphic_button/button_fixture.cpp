#include "button_fixture.h"

#include <cstdlib>

std::u16string builtLibraryFolder()
{
    return utf16(std::filesystem::path(ORVALIN_FOLDER));
}

std::u16string utf16(const std::filesystem::path &path)
{
    return path.u16string();
}

void ButtonTest::requireLibrary()
{
    if (builtLibraryFolder().empty())
        GTEST_SKIP() << "the sprite library was not built";
    library = libraryIn(builtLibraryFolder());
}

std::unique_ptr<SpriteLibrary> ButtonTest::libraryIn(const std::u16string &where)
{
    return std::make_unique<SpriteLibrary>(where);
}

std::u16string ButtonTest::sprite(const std::string &name, int width, int height, Bgra colour)
{
    const std::filesystem::path file = folder.path() / std::filesystem::u8path(name);
    std::filesystem::create_directories(file.parent_path());
    EXPECT_TRUE(writeSolidSprite(file, width, height, colour)) << name;
    return utf16(file);
}

std::int32_t ButtonTest::load(ClassGraphicButton &button, std::int32_t x, std::int32_t y,
                              const std::u16string &file)
{
    const std::int32_t loaded = button.Load(x, y, file);
    if (button.SpriteHandle() > 0)
        handles_.push_back(button.SpriteHandle());
    return loaded;
}

void ButtonTest::TearDown()
{
    if (handles_.empty())
        return;
    // The table is process-wide: give the slots back for the next test.
    const std::string path =
        std::filesystem::path(builtLibraryFolder()).string() + "/" + SpriteLibrary::FileName;
    const HMODULE module = LoadLibraryA(path.c_str());
    ASSERT_NE(module, nullptr);
    using Unload = INT(WINAPI *)(INT);
    const auto unload = reinterpret_cast<Unload>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "UnLoadGUIResource")));
    ASSERT_NE(unload, nullptr);
    for (const std::int32_t handle : handles_)
        EXPECT_EQ(unload(handle), 1);
    FreeLibrary(module);
}
