#include "forms/directory_list.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "forms/errors.h"
#include "forms/program.h"

namespace forms {

bool folderNameComesBefore(TextView a, TextView b)
{
    const int folded = QStringView(a).compare(QStringView(b), Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

void DirectoryList::setPath(TextView folder)
{
    const QString qtFolder = QStringView(folder).toString();
    const QFileInfo info(qtFolder);
    if (!info.isDir() || !info.isReadable())
        throw Error(Text(u"Папка не найдена или недоступна: \"").append(folder).append(u"\""));
    const QStringList names = QDir(qtFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    const Text bare = withoutTrailingSeparator(folder);
    const Text prefix = bare == u"/" ? bare : bare + u'/';
    path_ = folder;
    paths_.clear();
    for (const QString &name : names)
        paths_.push_back(prefix + name.toStdU16String());
    // One prefix for all: the paths sort as their names do.
    std::sort(paths_.begin(), paths_.end(), folderNameComesBefore);
}

} // namespace forms
