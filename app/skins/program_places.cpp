#include "program_places.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A base folder of the XDG layout: the variable when it holds an absolute
// path (relative ones are to be ignored), else its default below home.
QString xdgBaseFolder(const char *variable, const char *defaultBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(value))
        return value;
    return QDir::homePath() + u'/' + QLatin1String(defaultBelowHome);
}

bool userCanWrite(const QString &folder)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK, AT_EACCESS) == 0;
}

QString programFile(const QString &programFolder, const QString &name)
{
    return programFolder + u'/' + name;
}

} // namespace

ProgramPlaces ProgramPlaces::of(const QString &programFolder)
{
    const bool installed = !userCanWrite(programFolder) ||
                           QFileInfo::exists(programFile(programFolder, QLatin1String(installedMarkerName())));
    return ProgramPlaces(programFolder, !installed);
}

const char *ProgramPlaces::installedMarkerName()
{
    return "installed.txt";
}

ProgramPlaces::ProgramPlaces(QString programFolder, bool portable)
    : programFolder_(std::move(programFolder)), portable_(portable),
      userSettingsFolder_(xdgBaseFolder("XDG_CONFIG_HOME", ".config") + QStringLiteral("/pellory")),
      userSkinsFolder_(xdgBaseFolder("XDG_DATA_HOME", ".local/share") + QStringLiteral("/pellory/skins"))
{
}

QString ProgramPlaces::settingsFileToRead() const
{
    const QString user = settingsFileToWrite();
    if (!portable_ && QFileInfo::exists(user))
        return user;
    return programFile(programFolder_, QStringLiteral("options.dat"));
}

QString ProgramPlaces::settingsFileToWrite() const
{
    if (portable_)
        return programFile(programFolder_, QStringLiteral("options.dat"));
    return userSettingsFolder_ + QStringLiteral("/options.dat");
}

QString ProgramPlaces::skinFolder(const QString &skinName) const
{
    if (!portable_) {
        const QString user = userSkinsFolder_ + u'/' + skinName;
        if (QFileInfo(user).isDir())
            return user;
    }
    return programFile(programFolder_, QStringLiteral("skins/") + skinName);
}

QStringList ProgramPlaces::skinsFolders() const
{
    QStringList folders{programFile(programFolder_, QStringLiteral("skins"))};
    if (!portable_)
        folders.append(userSkinsFolder_);
    return folders;
}
