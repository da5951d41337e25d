// Where a Windows copy keeps the skin choice and how it replaces options.dat,
// on real files in a folder named in Cyrillic.
#include <gtest/gtest.h>

#include <windows.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "file_replace.h"
#include "forms/failure_reason.h"
#include "forms/file_path.h"
#include "program_places.h"
#include "skin_setting.h"
#include "temp_folder.h"

namespace {

std::string bytesOf(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A program folder and a user's roaming folder (%APPDATA%) of their own.
class SettingsFiles : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(program());
        _wputenv_s(L"APPDATA", (folder.path() / L"Роуминг").c_str());
    }
    void TearDown() override { _wputenv_s(L"APPDATA", L""); }

    std::filesystem::path program() const { return folder.path() / L"Программа"; }
    std::filesystem::path userFile() const { return folder.path() / L"Роуминг\\Pellory\\options.dat"; }
    ProgramPlaces places() const { return ProgramPlaces::of(forms::textFromPath(program())); }
    std::size_t entriesIn(const std::filesystem::path &where) const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(where), {}));
    }

    TempFolder folder;
};

TEST_F(SettingsFiles, APortableCopyReplacesItsOwnFileWholeAndLeavesNoTemporaryFile)
{
    std::ofstream(program() / L"options.dat", std::ios::binary) << "A much longer old skin name\r\n";
    ASSERT_TRUE(places().isPortable());

    EXPECT_EQ(saveSkinSetting(places(), u"Зима"), std::nullopt);

    EXPECT_EQ(bytesOf(program() / L"options.dat"), "\xC7\xE8\xEC\xE0\r\n");
    EXPECT_EQ(entriesIn(program()), 1u);
    EXPECT_FALSE(std::filesystem::exists(userFile()));
}

TEST_F(SettingsFiles, AnInstalledCopyWritesTheUsersFileInAppDataAndReadsItFirst)
{
    std::ofstream(program() / L"installed.txt");
    std::ofstream(program() / L"options.dat", std::ios::binary) << "Classic\r\n";
    ASSERT_FALSE(places().isPortable());
    EXPECT_EQ(places().settingsFileToRead(), forms::textFromPath(program() / L"options.dat"));

    EXPECT_EQ(saveSkinSetting(places(), u"Blue"), std::nullopt);

    EXPECT_EQ(bytesOf(userFile()), "Blue\r\n");
    EXPECT_EQ(bytesOf(program() / L"options.dat"), "Classic\r\n");
    EXPECT_EQ(std::filesystem::path(places().settingsFileToRead()), userFile());
    EXPECT_EQ(places().skinsFolders().back(), forms::textFromPath(folder.path() / L"Роуминг\\Pellory\\skins"));
}

TEST_F(SettingsFiles, FailuresAreNamedAndLeaveTheOldFile)
{
    const std::filesystem::path file = program() / L"options.dat";
    std::ofstream(file, std::ios::binary) << "Classic\r\n";
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(replaceFileContents(forms::textFromPath(file), "Winter\r\n"), EACCES);
    EXPECT_EQ(bytesOf(file), "Classic\r\n");
    EXPECT_EQ(entriesIn(program()), 1u);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_EQ(createFolders(forms::textFromPath(file / L"below")), ENOTDIR);
    EXPECT_EQ(createFolders(forms::textFromPath(program() / L"a/b\\c")), 0);
    EXPECT_TRUE(std::filesystem::is_directory(program() / L"a\\b\\c"));

    EXPECT_EQ(forms::readingFailureReason(forms::textFromPath(file)), u"");
    EXPECT_EQ(forms::readingFailureReason(forms::textFromPath(program() / L"missing.dat")), u"файл или папка не найдены");
    EXPECT_EQ(forms::readingFailureReason(forms::textFromPath(program())), u"на месте файла находится папка");
}

} // namespace
