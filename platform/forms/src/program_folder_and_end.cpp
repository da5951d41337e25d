// The program's folder and its ending, alike in every backend.
#include <cstdio>
#include <cstdlib>

#include "backend_hooks.h"
#include "forms/program.h"

namespace forms {
namespace {

Text &folderOverride()
{
    static Text folder;
    return folder;
}

EndProgramHandler &endHandler()
{
    static EndProgramHandler handler;
    return handler;
}

} // namespace

Text withoutTrailingSeparator(TextView path)
{
    std::size_t end = path.size();
    while (end > 1 && path[end - 1] == u'/')
        --end;
    return Text(path.substr(0, end));
}

Text programFolder()
{
    return folderOverride().empty() ? executableFolder() : folderOverride();
}

void setProgramFolder(TextView folder)
{
    folderOverride() = folder.empty() ? Text() : withoutTrailingSeparator(folder);
}

void endProgram(int status)
{
    if (endHandler()) {
        endHandler()(status);
        return;
    }
    // At once: no event loop, no destructors of open windows. Files are
    // opened and closed within one procedure, so nothing is left unwritten
    // but buffered standard output.
    std::fflush(nullptr);
    std::_Exit(status);
}

void setEndProgramHandler(EndProgramHandler handler)
{
    endHandler() = std::move(handler);
}

} // namespace forms
