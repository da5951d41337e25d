#include "forms/program.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "wide_text.h"

namespace forms {
namespace {

EndProgramHandler &endHandler()
{
    static EndProgramHandler handler;
    return handler;
}

} // namespace

// The executable's file name without its folder and extension.
Text programTitle()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2); // cut short: try again with room to spare
    }
    const std::size_t nameStart = path.find_last_of(L"\\/") + 1; // npos + 1 == 0
    const std::size_t extension = path.rfind(L'.');
    const std::size_t nameEnd = extension == std::wstring::npos || extension < nameStart ? path.size() : extension;
    return fromWide(std::wstring_view(path).substr(nameStart, nameEnd - nameStart));
}

void endProgram(int status)
{
    if (endHandler()) {
        endHandler()(status);
        return;
    }
    // At once, as on Linux: no message loop, no destructors of open windows.
    std::fflush(nullptr);
    std::_Exit(status);
}

void setEndProgramHandler(EndProgramHandler handler) { endHandler() = std::move(handler); }

} // namespace forms
