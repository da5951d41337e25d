// Pictures loaded through the system's imaging component: a skin's JPEG at
// its own size, and files that are no picture raising an error that names
// the file and the reason.
#include <gtest/gtest.h>

#include <fstream>

#include "forms/file_path.h"
#include "forms/picture.h"
#include "temp_folder.h"

namespace {

TEST(LoadPicture, LoadsASkinsJpegAtItsOwnSize)
{
    const forms::Picture picture =
        forms::loadPicture(forms::textFromUtf8(PELLORY_PROGRAM_FOLDER "/skins/Classic/background.jpg"));
    EXPECT_EQ(picture.width, 460);
    EXPECT_EQ(picture.height, 294);
    EXPECT_EQ(picture.bgra.size(), 460u * 294u * 4u);
}

TEST(LoadPicture, FilesThatAreNoPictureRaiseAnErrorNamingFileAndReason)
{
    TempFolder folder;
    const std::filesystem::path text = folder.write("Зима/background.jpg", "not a picture at all\r\n");
    const std::filesystem::path empty = folder.write("empty.jpg", "");
    const std::pair<std::filesystem::path, forms::TextView> cases[] = {
        {folder.path() / L"missing.jpg", u"файл или папка не найдены"},
        {text, u"файл повреждён или не является рисунком"},
        {empty, u"файл повреждён или не является рисунком"},
    };
    for (const auto &[file, reason] : cases) {
        try {
            forms::loadPicture(forms::textFromPath(file));
            ADD_FAILURE() << file.string() << " loaded";
        } catch (const forms::PictureError &error) {
            const forms::Text expected =
                u"Не удалось загрузить рисунок \"" + forms::textFromPath(file) + u"\": " + forms::Text(reason);
            EXPECT_EQ(error.message(), expected);
        }
    }
}

} // namespace
