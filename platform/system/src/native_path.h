// Conversions of the paths that arrive as Windows-1251 or UTF-16 text into the
// UTF-8 Linux takes. Separators are left as they are: callers form paths with
// the platform's "/", and a "\" is an ordinary character of a Linux name.
#ifndef PELLORY_SYSTEM_NATIVE_PATH_H
#define PELLORY_SYSTEM_NATIVE_PATH_H

#include "windows.h"

#include <optional>
#include <string>

namespace pellory::sys {

// Windows-1251 text as UTF-8; a byte with no character becomes U+FFFD.
std::string ansiToUtf8(const char *text);
// UTF-16 text as UTF-8; nothing when it holds an unpaired surrogate.
std::optional<std::string> wideToUtf8(const WCHAR *text);

std::optional<std::string> nativePathFromAnsi(const char *path);
std::optional<std::string> nativePathFromWide(const WCHAR *path);

} // namespace pellory::sys

#endif
