#include "forms/failure_reason.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace forms {
namespace {

// The error that opening `file` for reading meets, 0 when it opens.
int openingError(const QByteArray &file)
{
    struct stat info {};
    if (::stat(file.constData(), &info) != 0)
        return errno;
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

} // namespace

QString systemErrorReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав доступа");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("на диске не хватает места");
    case ENOENT:
        return QStringLiteral("файл или папка не найдены");
    case EISDIR:
        return QStringLiteral("на месте файла находится папка");
    case ENOTDIR:
    case EEXIST:
        return QStringLiteral("на месте папки находится файл");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString readingFailureReason(const QString &file)
{
    const int error = openingError(QFile::encodeName(file));
    return error != 0 ? systemErrorReason(error) : QString();
}

QString pictureFailureReason(const QString &file)
{
    const QString reason = readingFailureReason(file);
    return reason.isEmpty() ? QStringLiteral("файл повреждён или не является рисунком") : reason;
}

} // namespace forms
