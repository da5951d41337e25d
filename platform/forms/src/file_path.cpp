#include "forms/file_path.h"

namespace forms {

Text pathIn(TextView folder, TextView name)
{
    return Text(folder).append(1, FolderSeparator).append(name);
}

#ifdef _WIN32
// Windows names files in UTF-16, the units a Text already holds.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::filesystem::path filePath(TextView path)
{
    return std::filesystem::path(std::wstring(path.begin(), path.end()));
}

Text textFromPath(const std::filesystem::path &path)
{
    const std::wstring &wide = path.native();
    return Text(wide.begin(), wide.end());
}
#else
// Linux names files with bytes, which the desktop reads as UTF-8; going
// through textToUtf8 rather than the library's own UTF-16 conversion keeps a
// stray surrogate from throwing.
std::filesystem::path filePath(TextView path)
{
    return std::filesystem::path(textToUtf8(path));
}

Text textFromPath(const std::filesystem::path &path)
{
    return textFromUtf8(path.native());
}
#endif

} // namespace forms
