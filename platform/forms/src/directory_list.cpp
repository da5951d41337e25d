#include "forms/directory_list.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "forms/errors.h"
#include "forms/program.h"

namespace forms {

bool folderNameComesBefore(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

void DirectoryList::setPath(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable())
        throw Error(QStringLiteral("Папка не найдена или недоступна: \"%1\"").arg(folder));
    QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(names.begin(), names.end(), folderNameComesBefore);
    const QString prefix = withoutTrailingSeparator(folder) == QStringLiteral("/")
                               ? QStringLiteral("/")
                               : withoutTrailingSeparator(folder) + u'/';
    path_ = folder;
    paths_.clear();
    for (const QString &name : names)
        paths_.append(prefix + name);
}

} // namespace forms
