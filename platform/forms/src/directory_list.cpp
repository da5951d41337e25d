#include "forms/directory_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "forms/errors.h"
#include "forms/file_path.h"
#include "forms/program.h"

namespace forms {
namespace {

// Hidden as the platform's file managers hide: a leading dot on Linux, the
// hidden attribute on Windows.
bool isHidden(const std::filesystem::directory_entry &entry)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
#else
    return entry.path().filename().native().starts_with('.');
#endif
}

[[noreturn]] void failListing(TextView folder)
{
    throw Error(Text(u"Папка не найдена или недоступна: \"").append(folder).append(u"\""));
}

} // namespace

bool folderNameComesBefore(TextView a, TextView b)
{
    const int folded = compareIgnoringCase(a, b);
    return folded != 0 ? folded < 0 : a < b;
}

void DirectoryList::setPath(TextView folder)
{
    std::error_code failure;
    std::filesystem::directory_iterator entries(filePath(folder), failure);
    if (failure)
        failListing(folder);
    const Text bare = withoutTrailingSeparator(folder);
    const Text prefix = bare == u"/" ? bare : bare + u'/';
    std::vector<Text> paths;
    for (; entries != std::filesystem::directory_iterator(); entries.increment(failure)) {
        std::error_code notAFolder;
        if (entries->is_directory(notAFolder) && !isHidden(*entries))
            paths.push_back(prefix + textFromPath(entries->path().filename()));
    }
    if (failure)
        failListing(folder);
    // One prefix for all: the paths sort as their names do.
    std::sort(paths.begin(), paths.end(), folderNameComesBefore);
    path_ = folder;
    paths_ = std::move(paths);
}

} // namespace forms
