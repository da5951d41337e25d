#include "forms/file_path.h"

namespace forms {

// Linux names files with bytes, which the desktop reads as UTF-8; going
// through textToUtf8 rather than the library's own UTF-16 conversion keeps a
// stray surrogate from throwing.
std::filesystem::path filePath(TextView path)
{
    return std::filesystem::path(textToUtf8(path));
}

} // namespace forms
