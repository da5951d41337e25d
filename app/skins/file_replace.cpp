#include "file_replace.h"

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "forms/file_path.h"

namespace {

// The temporary file until it has been renamed into place: closed and removed
// on every early return.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string &finalPath) : name_(finalPath + ".XXXXXX")
    {
        fd_ = ::mkstemp(name_.data());
        creationError_ = fd_ < 0 ? errno : 0;
    }
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (creationError_ == 0 && !renamed_)
            ::unlink(name_.c_str());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    int creationError() const { return creationError_; }
    int fd() const { return fd_; }
    const char *name() const { return name_.c_str(); }
    void markRenamed() { renamed_ = true; }
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    std::string name_;
    int fd_ = -1;
    int creationError_ = 0;
    bool renamed_ = false;
};

// mkstemp creates the file for the owner only; the replacement keeps the old
// file's permissions, or gets the ones a newly created file would have.
mode_t modeForReplacement(const std::string &path)
{
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
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
void syncFolderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

int replaceFileContents(forms::TextView path, std::string_view bytes)
{
    const std::string nativePath = forms::filePath(path).native();
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
    if (::rename(temporary.name(), nativePath.c_str()) != 0)
        return errno;
    temporary.markRenamed();
    syncFolderOf(nativePath);
    return 0;
}

int createFolders(forms::TextView folder)
{
    const std::string path = forms::filePath(folder).native();
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string step = path.substr(0, end);
        if (::mkdir(step.c_str(), 0700) != 0 && errno != EEXIST)
            return errno;
        struct stat info {};
        if (::stat(step.c_str(), &info) != 0)
            return errno;
        if (!S_ISDIR(info.st_mode))
            return ENOTDIR;
        if (end == std::string::npos)
            return 0;
    }
}
