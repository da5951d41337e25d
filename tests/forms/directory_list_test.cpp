// Listing the direct subfolders of a folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "forms/directory_list.h"
#include "forms/errors.h"

namespace {

QStringList listed(const forms::DirectoryList &list)
{
    QStringList paths;
    for (int i = 0; i < list.count(); ++i)
        paths << QString::fromStdU16String(list.item(i));
    return paths;
}

void makeFolders(const QString &root, const QStringList &names)
{
    for (const QString &name : names)
        ASSERT_TRUE(QDir(root).mkdir(name)) << name.toStdString();
}

TEST(DirectoryList, GivesFullPathsOfDirectSubfoldersSortedByName)
{
    QTemporaryDir dir;
    const QString skins = dir.filePath(QStringLiteral("skins"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("skins")));
    makeFolders(skins, {"Winter", "Blue", "Classic"});
    ASSERT_TRUE(QDir(skins).mkdir(QStringLiteral("Blue/Nested")));
    QFile database(skins + QStringLiteral("/skinruls.7z"));
    ASSERT_TRUE(database.open(QIODevice::WriteOnly));
    database.close();

    forms::DirectoryList list;
    list.setPath((skins + u'/').toStdU16String());
    EXPECT_EQ(listed(list), (QStringList{skins + "/Blue", skins + "/Classic", skins + "/Winter"}));

    // Without the trailing separator the paths are the same.
    list.setPath(skins.toStdU16String());
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0), (skins + "/Blue").toStdU16String());
}

TEST(DirectoryList, SortsIgnoringCaseAndSkipsHiddenFolders)
{
    QTemporaryDir dir;
    makeFolders(dir.path(), {"zeta", "Alpha", "beta", ".hidden", "Осень", "Весна"});
    forms::DirectoryList list;
    list.setPath(dir.path().toStdU16String());
    const QString root = dir.path() + u'/';
    EXPECT_EQ(listed(list), (QStringList{root + "Alpha", root + "beta", root + "zeta",
                                         root + "Весна", root + "Осень"}));
}

TEST(DirectoryList, AnEmptyFolderListsNothing)
{
    QTemporaryDir dir;
    forms::DirectoryList list;
    list.setPath(dir.path().toStdU16String());
    EXPECT_EQ(list.count(), 0);
}

TEST(DirectoryList, AMissingFolderOrAFileRaisesAnErrorNamingIt)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("options.dat"));
    QFile(file).open(QIODevice::WriteOnly);
    for (const QString &path : {dir.filePath(QStringLiteral("skins/")), file}) {
        forms::DirectoryList list;
        try {
            list.setPath(path.toStdU16String());
            ADD_FAILURE() << "no error for " << path.toStdString();
        } catch (const forms::Error &error) {
            EXPECT_NE(error.message().find(path.toStdU16String()), forms::Text::npos) << error.what();
        }
    }
}

} // namespace
