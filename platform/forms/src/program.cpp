#include "forms/program.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

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
    if (!folderOverride().empty())
        return folderOverride();
    return withoutTrailingSeparator(QCoreApplication::applicationDirPath().toStdU16String());
}

void setProgramFolder(TextView folder)
{
    folderOverride() = folder.empty() ? Text() : withoutTrailingSeparator(folder);
}

Text programTitle()
{
    return QCoreApplication::applicationName().toStdU16String();
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
