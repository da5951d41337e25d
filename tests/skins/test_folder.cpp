#include "test_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

TestFolder::TestFolder()
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

void TestFolder::makeFolder(const QString &relative) const
{
    if (!QDir().mkpath(path(relative)))
        throw std::runtime_error("cannot create folder " + relative.toStdString());
}

void TestFolder::writeFile(const QString &relative, const std::string &bytes) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        throw std::runtime_error("cannot write " + relative.toStdString());
}

std::string TestFolder::readFile(const QString &relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll().toStdString();
}

QDateTime TestFolder::modified(const QString &relative) const
{
    return QFileInfo(path(relative)).fileTime(QFileDevice::FileModificationTime);
}

QStringList TestFolder::entries() const
{
    return QDir(root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}
