#include "forms/program.h"

#include <windows.h>

#include <string>

#include "backend_hooks.h"
#include "program_title.h"
#include "wide_text.h"

namespace forms {
namespace {

std::wstring executablePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2); // cut short: try again with room to spare
    }
}

Text &titleGiven()
{
    static Text title;
    return title;
}

} // namespace

// The system's separators stay: the program appends its own "/" parts,
// which Windows takes as well.
Text executableFolder()
{
    const std::wstring path = executablePath();
    const std::size_t separator = path.find_last_of(L"\\/");
    return fromWide(std::wstring_view(path).substr(0, separator == std::wstring::npos ? 0 : separator));
}

void setProgramTitle(TextView title) { titleGiven() = title; }

Text programTitle()
{
    if (!titleGiven().empty())
        return titleGiven();
    const std::wstring path = executablePath();
    const std::size_t nameStart = path.find_last_of(L"\\/") + 1; // npos + 1 == 0
    const std::size_t extension = path.rfind(L'.');
    const std::size_t nameEnd = extension == std::wstring::npos || extension < nameStart ? path.size() : extension;
    return fromWide(std::wstring_view(path).substr(nameStart, nameEnd - nameStart));
}

} // namespace forms
