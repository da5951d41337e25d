#include "forms/failure_reason.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "forms/file_path.h"

namespace forms {
namespace {

// The error that opening `file` for reading meets, 0 when it opens.
#ifdef _WIN32
// The C runtime's wide calls set errno from Windows' own error.
int openingError(const wchar_t *file)
{
    struct _stat64 info {};
    if (::_wstat64(file, &info) != 0)
        return errno;
    if ((info.st_mode & _S_IFMT) == _S_IFDIR)
        return EISDIR;
    const int fd = ::_wopen(file, _O_RDONLY | _O_BINARY);
    if (fd < 0)
        return errno;
    ::_close(fd);
    return 0;
}
#else
int openingError(const char *file)
{
    struct stat info {};
    if (::stat(file, &info) != 0)
        return errno;
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    const int fd = ::open(file, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}
#endif

} // namespace

Text systemErrorReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return u"нет прав доступа";
    case EROFS:
        return u"диск доступен только для чтения";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return u"на диске не хватает места";
    case ENOENT:
        return u"файл или папка не найдены";
    case EISDIR:
        return u"на месте файла находится папка";
    case ENOTDIR:
    case EEXIST:
        return u"на месте папки находится файл";
    default:
        return textFromUtf8(std::strerror(error));
    }
}

Text readingFailureReason(TextView file)
{
    const int error = openingError(filePath(file).c_str());
    return error != 0 ? systemErrorReason(error) : Text();
}

Text pictureFailureReason(TextView file)
{
    Text reason = readingFailureReason(file);
    return reason.empty() ? u"файл повреждён или не является рисунком" : reason;
}

} // namespace forms
