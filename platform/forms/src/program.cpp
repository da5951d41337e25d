#include "forms/program.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace forms {
namespace {

QString &folderOverride()
{
    static QString folder;
    return folder;
}

EndProgramHandler &endHandler()
{
    static EndProgramHandler handler;
    return handler;
}

} // namespace

QString withoutTrailingSeparator(const QString &path)
{
    qsizetype end = path.size();
    while (end > 1 && path.at(end - 1) == u'/')
        --end;
    return path.left(end);
}

QString programFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return withoutTrailingSeparator(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString &folder)
{
    folderOverride() = folder.isEmpty() ? QString() : withoutTrailingSeparator(folder);
}

QString programTitle()
{
    return QCoreApplication::applicationName();
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
