// File names as the C++ library and the system calls take them.
#ifndef PELLORY_FORMS_FILE_PATH_H
#define PELLORY_FORMS_FILE_PATH_H

#include <filesystem>

#include "forms/text.h"

namespace forms {

// What joins a folder and a name in the paths the program builds and shows.
#ifdef _WIN32
inline constexpr char16_t FolderSeparator = u'\\';
#else
inline constexpr char16_t FolderSeparator = u'/';
#endif

// `name` (which may hold further separators) in `folder`, one separator between.
Text pathIn(TextView folder, TextView name);

// The file system's name for `path`, exactly as written: nothing is added,
// trimmed or resolved. Never throws. On Linux a stray surrogate, which no
// file name there can hold, becomes "?"; Windows names are UTF-16 as they are.
std::filesystem::path filePath(TextView path);

// The text of a name the file system gave (a listed folder's entry).
Text textFromPath(const std::filesystem::path &path);

} // namespace forms

#endif
