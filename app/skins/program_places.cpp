#include "program_places.h"

#include <filesystem>
#include <system_error>

#include "forms/file_path.h"
#include "user_folders.h"

namespace {

bool exists(forms::TextView path)
{
    std::error_code unreadable;
    return std::filesystem::exists(forms::filePath(path), unreadable);
}

bool isFolder(forms::TextView path)
{
    std::error_code unreadable;
    return std::filesystem::is_directory(forms::filePath(path), unreadable);
}

} // namespace

ProgramPlaces ProgramPlaces::of(forms::TextView programFolder)
{
    const bool installed = !userCanWrite(programFolder) ||
                           exists(forms::pathIn(programFolder, forms::textFromUtf8(installedMarkerName())));
    return ProgramPlaces(forms::Text(programFolder), !installed);
}

const char *ProgramPlaces::installedMarkerName()
{
    return "installed.txt";
}

ProgramPlaces::ProgramPlaces(forms::Text programFolder, bool portable)
    : programFolder_(std::move(programFolder)), portable_(portable),
      userSettingsFolder_(::userSettingsFolder()), userSkinsFolder_(::userSkinsFolder())
{
}

forms::Text ProgramPlaces::settingsFileToRead() const
{
    forms::Text user = settingsFileToWrite();
    if (!portable_ && exists(user))
        return user;
    return forms::pathIn(programFolder_, u"options.dat");
}

forms::Text ProgramPlaces::settingsFileToWrite() const
{
    if (portable_)
        return forms::pathIn(programFolder_, u"options.dat");
    return forms::pathIn(userSettingsFolder_, u"options.dat");
}

forms::Text ProgramPlaces::skinFolder(forms::TextView skinName) const
{
    if (!portable_) {
        forms::Text user = forms::pathIn(userSkinsFolder_, skinName);
        if (isFolder(user))
            return user;
    }
    return forms::pathIn(forms::pathIn(programFolder_, u"skins"), skinName);
}

std::vector<forms::Text> ProgramPlaces::skinsFolders() const
{
    std::vector<forms::Text> folders{forms::pathIn(programFolder_, u"skins")};
    if (!portable_)
        folders.push_back(userSkinsFolder_);
    return folders;
}
