#include "file_replace.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(const char *step, int error)
{
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(step), QString::fromLocal8Bit(std::strerror(error)));
}

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

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
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

std::optional<QString> replaceFileContents(const QString &path, std::string_view bytes)
{
    const QByteArray nativePath = QFile::encodeName(path);
    TemporaryFile temporary(nativePath);
    if (const int error = temporary.creationError())
        return systemError("cannot create a temporary file", error);
    if (::fchmod(temporary.fd(), modeForReplacement(nativePath)) != 0)
        return systemError("cannot set the file permissions", errno);
    if (!writeAll(temporary.fd(), bytes))
        return systemError("cannot write", errno);
    if (::fsync(temporary.fd()) != 0)
        return systemError("cannot flush to disk", errno);
    if (temporary.close() != 0)
        return systemError("cannot close", errno);
    if (::rename(temporary.name(), nativePath.constData()) != 0)
        return systemError("cannot replace the file", errno);
    temporary.markRenamed();
    syncFolderOf(nativePath);
    return std::nullopt;
}
