#include "file_replace.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary file until it has been renamed into place: closed and removed
// on every early return.
class TemporaryFile {
public:
    explicit TemporaryFile(const QByteArray &finalPath) : name_(finalPath + ".XXXXXX")
    {
        fd_ = ::mkstemp(name_.data());
        creationError_ = fd_ < 0 ? errno : 0;
    }
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (creationError_ == 0 && !renamed_)
            ::unlink(name_.constData());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    int creationError() const { return creationError_; }
    int fd() const { return fd_; }
    const char *name() const { return name_.constData(); }
    void markRenamed() { renamed_ = true; }
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    QByteArray name_;
    int fd_ = -1;
    int creationError_ = 0;
    bool renamed_ = false;
};

// mkstemp creates the file for the owner only; the replacement keeps the old
// file's permissions, or gets the ones a newly created file would have.
mode_t modeForReplacement(const QByteArray &path)
{
    struct stat old {};
    if (::stat(path.constData(), &old) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// 0, or the error number; a write that takes nothing means a full disk.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

// Makes the rename itself survive a power loss; the new content is already
// in place for every reader, so a failure here is not reported.
void syncFolderOf(const QByteArray &path)
{
    const int slash = path.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : path.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

int replaceFileContents(const QString &path, std::string_view bytes)
{
    const QByteArray nativePath = QFile::encodeName(path);
    TemporaryFile temporary(nativePath);
    if (const int error = temporary.creationError())
        return error;
    if (::fchmod(temporary.fd(), modeForReplacement(nativePath)) != 0)
        return errno;
    if (const int error = writeAll(temporary.fd(), bytes))
        return error;
    if (::fsync(temporary.fd()) != 0)
        return errno;
    if (temporary.close() != 0)
        return errno;
    if (::rename(temporary.name(), nativePath.constData()) != 0)
        return errno;
    temporary.markRenamed();
    syncFolderOf(nativePath);
    return 0;
}

int createFolders(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    for (qsizetype end = path.indexOf('/', 1); ; end = path.indexOf('/', end + 1)) {
        const QByteArray step = end < 0 ? path : path.left(end);
        if (::mkdir(step.constData(), 0700) != 0 && errno != EEXIST)
            return errno;
        struct stat info {};
        if (::stat(step.constData(), &info) != 0)
            return errno;
        if (!S_ISDIR(info.st_mode))
            return ENOTDIR;
        if (end < 0)
            return 0;
    }
}
