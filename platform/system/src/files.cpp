// Files opened for reading only, through a table of kernel handles so that a
// bogus or closed handle fails instead of reaching someone else's descriptor.
//
// Read sharing without write sharing is modelled with an advisory shared
// lock (flock): a writer that takes an exclusive flock keeps our opens out
// while it holds the file, and cannot take it while we read. Writers that
// take no lock are not stopped; Linux has no mandatory sharing modes.
#include "native_path.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <mutex>
#include <new>
#include <unordered_map>

namespace pellory::sys {
namespace {

class FileTable {
public:
    static FileTable &instance()
    {
        static FileTable *table = new FileTable; // never destroyed, like the GDI table
        return *table;
    }
    HANDLE add(int fd)
    {
        std::lock_guard guard(mutex_);
        const uintptr_t handle = nextHandle_;
        nextHandle_ += 4;
        descriptors_.emplace(handle, fd);
        return reinterpret_cast<HANDLE>(handle);
    }
    int descriptor(HANDLE handle)
    {
        std::lock_guard guard(mutex_);
        const auto found = descriptors_.find(reinterpret_cast<uintptr_t>(handle));
        return found == descriptors_.end() ? -1 : found->second;
    }
    int remove(HANDLE handle)
    {
        std::lock_guard guard(mutex_);
        const auto found = descriptors_.find(reinterpret_cast<uintptr_t>(handle));
        if (found == descriptors_.end())
            return -1;
        const int fd = found->second;
        descriptors_.erase(found);
        return fd;
    }

private:
    std::mutex mutex_;
    std::unordered_map<uintptr_t, int> descriptors_;
    // Far above the GDI handles, so a handle of one kind never names an object of the other.
    uintptr_t nextHandle_ = uintptr_t{1} << 40;
};

bool supportedRequest(DWORD access, DWORD disposition)
{
    return access == GENERIC_READ && disposition == OPEN_EXISTING;
}

// Only regular files: a directory fails, and a FIFO or device cannot block
// the caller (the open itself is non-blocking).
int openRegularFile(const std::string &path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

HANDLE openForReading(const std::optional<std::string> &path, DWORD access, DWORD share,
                      DWORD disposition)
{
    if (!path || !supportedRequest(access, disposition))
        return INVALID_HANDLE_VALUE;
    const int fd = openRegularFile(*path);
    if (fd < 0)
        return INVALID_HANDLE_VALUE;
    if ((share & FILE_SHARE_WRITE) == 0 && flock(fd, LOCK_SH | LOCK_NB) != 0) {
        close(fd);
        return INVALID_HANDLE_VALUE;
    }
    try {
        return FileTable::instance().add(fd);
    } catch (...) {
        close(fd);
        throw;
    }
}

// Running out of memory (path conversion, the handle table) fails the open
// like any other error: nothing may escape a Win32 function.
template <typename Path>
HANDLE openGuarded(Path nativePath, DWORD access, DWORD share, DWORD disposition) noexcept
{
    try {
        return openForReading(nativePath(), access, share, disposition);
    } catch (const std::bad_alloc &) {
        return INVALID_HANDLE_VALUE;
    }
}

// Reads until `size` bytes arrived or the file ended; false on an error.
bool readFully(int fd, BYTE *buffer, DWORD size, DWORD &done)
{
    done = 0;
    while (done < size) {
        const ssize_t got = read(fd, buffer + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        done += static_cast<DWORD>(got);
    }
    return true;
}

} // namespace
} // namespace pellory::sys

using namespace pellory::sys;

extern "C" {

HANDLE WINAPI CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                          LPSECURITY_ATTRIBUTES, DWORD dwCreationDisposition, DWORD, HANDLE)
{
    return openGuarded([lpFileName] { return nativePathFromAnsi(lpFileName); }, dwDesiredAccess, dwShareMode,
                       dwCreationDisposition);
}

HANDLE WINAPI CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                          LPSECURITY_ATTRIBUTES, DWORD dwCreationDisposition, DWORD, HANDLE)
{
    return openGuarded([lpFileName] { return nativePathFromWide(lpFileName); }, dwDesiredAccess, dwShareMode,
                       dwCreationDisposition);
}

BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
                     LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped)
{
    if (lpNumberOfBytesRead != nullptr)
        *lpNumberOfBytesRead = 0;
    const int fd = FileTable::instance().descriptor(hFile);
    // Reads are synchronous only; an OVERLAPPED record cannot be honoured.
    if (fd < 0 || lpOverlapped != nullptr || (lpBuffer == nullptr && nNumberOfBytesToRead > 0))
        return FALSE;
    DWORD done = 0;
    const bool ok = readFully(fd, static_cast<BYTE *>(lpBuffer), nNumberOfBytesToRead, done);
    if (lpNumberOfBytesRead != nullptr)
        *lpNumberOfBytesRead = done;
    return ok ? TRUE : FALSE;
}

BOOL WINAPI CloseHandle(HANDLE hObject)
{
    const int fd = FileTable::instance().remove(hObject);
    if (fd < 0)
        return FALSE;
    close(fd);
    return TRUE;
}

} // extern "C"
