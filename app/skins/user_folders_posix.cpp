#include "user_folders.h"

#include <cstdlib>
#include <filesystem>

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

} // namespace

forms::Text userSettingsFolder() { return xdgBaseFolder("XDG_CONFIG_HOME", u".config") + u"/pellory"; }

forms::Text userSkinsFolder() { return xdgBaseFolder("XDG_DATA_HOME", u".local/share") + u"/pellory/skins"; }

bool userCanWrite(forms::TextView folder)
{
    return ::faccessat(AT_FDCWD, forms::filePath(folder).c_str(), W_OK, AT_EACCESS) == 0;
}
