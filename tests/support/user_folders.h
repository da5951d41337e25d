// The user's own folders ($XDG_CONFIG_HOME, $XDG_DATA_HOME) pointed at a
// fresh temporary folder for the life of the object, so that tests of an
// installed copy never touch the real home folder.
#ifndef PELLORY_TESTS_SUPPORT_USER_FOLDERS_H
#define PELLORY_TESTS_SUPPORT_USER_FOLDERS_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class UserFolders {
public:
    UserFolders()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("data"))));
    }
    ~UserFolders()
    {
        // A test may have taken away the owner's write permission.
        QFile::setPermissions(settingsFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    }
    UserFolders(const UserFolders &) = delete;
    UserFolders &operator=(const UserFolders &) = delete;

    QString root() const { return dir_.path(); }
    QString settingsFolder() const { return dir_.filePath(QStringLiteral("config/pellory")); }
    QString settingsFile() const { return settingsFolder() + QStringLiteral("/options.dat"); }
    QString skin(const QString &name) const { return dir_.filePath(QStringLiteral("data/pellory/skins/")) + name; }

    // Everything below the root, as sorted relative paths (folders end with "/").
    QStringList tree() const
    {
        QStringList found;
        collect(QDir(dir_.path()), QString(), found);
        return found;
    }

private:
    static void collect(const QDir &folder, const QString &prefix, QStringList &found)
    {
        for (const QFileInfo &entry :
             folder.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
            if (entry.isDir()) {
                found << prefix + entry.fileName() + u'/';
                collect(QDir(entry.filePath()), prefix + entry.fileName() + u'/', found);
            } else {
                found << prefix + entry.fileName();
            }
        }
    }

    QTemporaryDir dir_;
};

#endif
