#include "forms/directory_list.h"

#include <windows.h>

#include <algorithm>

#include "forms/errors.h"
#include "forms/program.h"
#include "wide_text.h"

namespace forms {
namespace {

// Folders the user sees: not ".", "..", hidden or named with a leading dot.
bool listed(const WIN32_FIND_DATAW &entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) == 0 && entry.cFileName[0] != L'.';
}

} // namespace

bool folderNameComesBefore(TextView a, TextView b)
{
    const std::wstring wideA = toWide(a);
    const std::wstring wideB = toWide(b);
    const int folded = CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                            static_cast<int>(wideB.size()), TRUE);
    return folded != CSTR_EQUAL ? folded == CSTR_LESS_THAN : a < b;
}

void DirectoryList::setPath(TextView folder)
{
    const Text bare = withoutTrailingSeparator(folder);
    const Text prefix = bare.ends_with(u'\\') || bare.ends_with(u'/') ? bare : bare + u'/';
    WIN32_FIND_DATAW entry{};
    HANDLE search = FindFirstFileW(toWide(prefix + u'*').c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        throw Error(Text(u"Папка не найдена или недоступна: \"").append(folder).append(u"\""));
    path_ = folder;
    paths_.clear();
    do {
        if (listed(entry))
            paths_.push_back(prefix + fromWide(entry.cFileName));
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    // One prefix for all: the paths sort as their names do.
    std::sort(paths_.begin(), paths_.end(), folderNameComesBefore);
}

} // namespace forms
