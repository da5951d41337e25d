// What the graphic button tests share: a temporary program folder, the real
// sprite library when it was built, and sprites released again after each test.
#ifndef PELLORY_TESTS_BUTTON_FIXTURE_H
#define PELLORY_TESTS_BUTTON_FIXTURE_H

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "class_graphic_button.h"
#include "drawing_surface.h"
#include "sprite_file.h"
#include "temp_folder.h"

// The folder holding the built sprite library; empty when it was not built.
std::u16string builtLibraryFolder();
std::u16string utf16(const std::filesystem::path &path);

class ButtonTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Skips the test when the sprite library was not built.
    void requireLibrary();
    std::unique_ptr<SpriteLibrary> libraryIn(const std::u16string &folder);
    // Writes a solid sprite below the temporary folder and returns its path.
    std::u16string sprite(const std::string &name, int width, int height, Bgra colour);
    // Loads `button`; its sprite is released in TearDown.
    std::int32_t load(ClassGraphicButton &button, std::int32_t x, std::int32_t y,
                      const std::u16string &file);

    TempFolder folder;
    std::unique_ptr<SpriteLibrary> library;

private:
    std::vector<std::int32_t> handles_;
};

#endif
