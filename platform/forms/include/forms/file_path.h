// File names as the C++ library and the system calls take them.
#ifndef PELLORY_FORMS_FILE_PATH_H
#define PELLORY_FORMS_FILE_PATH_H

#include <filesystem>

#include "forms/text.h"

namespace forms {

// The file system's name for `path`, exactly as written: nothing is added,
// trimmed or resolved. Never throws: a stray surrogate, which no file name
// can hold, becomes "?".
std::filesystem::path filePath(TextView path);

} // namespace forms

#endif
