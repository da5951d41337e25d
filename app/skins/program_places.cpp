#include "program_places.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include "forms/file_path.h"
#include "forms/program.h"

namespace {

// $HOME tidied as the desktop names it (no doubled or trailing separators,
// no "." or ".." steps), the root when it is unset or empty.
forms::Text homeFolder()
{
    const char *home = std::getenv("HOME");
    if (home == nullptr || *home == '\0')
        return u"/";
    const std::string tidy = std::filesystem::path(home).lexically_normal().string();
    return forms::withoutTrailingSeparator(forms::textFromUtf8(tidy));
}

// A base folder of the XDG layout: the variable when it holds an absolute
// path (relative ones are to be ignored), else its default below home.
forms::Text xdgBaseFolder(const char *variable, forms::TextView defaultBelowHome)
{
    const char *value = std::getenv(variable);
    if (value != nullptr && value[0] == '/')
        return forms::textFromUtf8(value);
    return homeFolder().append(u"/").append(defaultBelowHome);
}

bool userCanWrite(forms::TextView folder)
{
    return ::faccessat(AT_FDCWD, forms::filePath(folder).c_str(), W_OK, AT_EACCESS) == 0;
}

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

// `name` in `folder`, one separator between.
forms::Text below(forms::TextView folder, forms::TextView name)
{
    return forms::Text(folder).append(u"/").append(name);
}

} // namespace

ProgramPlaces ProgramPlaces::of(forms::TextView programFolder)
{
    const bool installed = !userCanWrite(programFolder) ||
                           exists(below(programFolder, forms::textFromUtf8(installedMarkerName())));
    return ProgramPlaces(forms::Text(programFolder), !installed);
}

const char *ProgramPlaces::installedMarkerName()
{
    return "installed.txt";
}

ProgramPlaces::ProgramPlaces(forms::Text programFolder, bool portable)
    : programFolder_(std::move(programFolder)), portable_(portable),
      userSettingsFolder_(xdgBaseFolder("XDG_CONFIG_HOME", u".config") + u"/pellory"),
      userSkinsFolder_(xdgBaseFolder("XDG_DATA_HOME", u".local/share") + u"/pellory/skins")
{
}

forms::Text ProgramPlaces::settingsFileToRead() const
{
    forms::Text user = settingsFileToWrite();
    if (!portable_ && exists(user))
        return user;
    return below(programFolder_, u"options.dat");
}

forms::Text ProgramPlaces::settingsFileToWrite() const
{
    if (portable_)
        return below(programFolder_, u"options.dat");
    return userSettingsFolder_ + u"/options.dat";
}

forms::Text ProgramPlaces::skinFolder(forms::TextView skinName) const
{
    if (!portable_) {
        forms::Text user = below(userSkinsFolder_, skinName);
        if (isFolder(user))
            return user;
    }
    return below(programFolder_, forms::Text(u"skins/").append(skinName));
}

std::vector<forms::Text> ProgramPlaces::skinsFolders() const
{
    std::vector<forms::Text> folders{below(programFolder_, u"skins")};
    if (!portable_)
        folders.push_back(userSkinsFolder_);
    return folders;
}
