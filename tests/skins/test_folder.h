// A temporary folder on disk for one test, removed afterwards, with helpers
// to lay out files and read them back as bytes.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

class TestFolder {
public:
    TestFolder();

    QString root() const { return dir_.path(); }
    QString path(const QString &relative) const { return dir_.filePath(relative); }

    void makeFolder(const QString &relative) const;
    void writeFile(const QString &relative, const std::string &bytes) const;
    std::string readFile(const QString &relative) const;
    QDateTime modified(const QString &relative) const;
    // Names directly in the root, hidden ones included, sorted.
    QStringList entries() const;

private:
    QTemporaryDir dir_;
};
