#include "file_replace.h"

#include <windows.h>

#include <cerrno>
#include <string>

#include "forms/file_path.h"

namespace {

// The error numbers the user's reasons are worded for; the rest as EIO.
int errorNumberOf(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_NAME:
        return ENOENT;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    default:
        return EIO;
    }
}

int lastErrorNumber() { return errorNumberOf(GetLastError()); }

// The temporary file until it has been moved into place: closed and deleted
// on every early return.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring &finalPath)
    {
        // A name no other writer holds: CREATE_NEW fails on an existing one.
        for (unsigned attempt = 0; attempt < 100 && handle_ == INVALID_HANDLE_VALUE; ++attempt) {
            name_ = finalPath + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(attempt) + L".tmp";
            handle_ = CreateFileW(name_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle_ == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
                break;
        }
        creationError_ = handle_ == INVALID_HANDLE_VALUE ? lastErrorNumber() : 0;
    }
    ~TemporaryFile()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
        if (creationError_ == 0 && !moved_)
            DeleteFileW(name_.c_str());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    int creationError() const { return creationError_; }
    HANDLE handle() const { return handle_; }
    const wchar_t *name() const { return name_.c_str(); }
    void markMoved() { moved_ = true; }
    bool close()
    {
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    std::wstring name_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    int creationError_ = 0;
    bool moved_ = false;
};

// 0, or the error number; a write that takes nothing means a full disk.
int writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 1u << 30 ? 1u << 30 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return lastErrorNumber();
        if (written == 0)
            return ENOSPC;
        bytes.remove_prefix(written);
    }
    return 0;
}

bool isFolder(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Windows refuses to replace a read-only file; Wine does not, so ask first.
bool isReadOnly(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// Where the folders to create begin: after "C:\" or after "\\server\share\",
// which no program creates.
std::size_t firstCreatableStep(const std::wstring &path)
{
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        std::size_t separators = 0, i = 2;
        for (; i < path.size() && separators < 2; ++i)
            separators += isSeparator(path[i]) ? 1 : 0;
        return i;
    }
    return path.size() >= 2 && path[1] == L':' ? 3 : 1;
}

} // namespace

int replaceFileContents(forms::TextView path, std::string_view bytes)
{
    const std::wstring nativePath = forms::filePath(path).native();
    if (isReadOnly(nativePath))
        return EACCES;
    TemporaryFile temporary(nativePath);
    if (const int error = temporary.creationError())
        return error;
    if (const int error = writeAll(temporary.handle(), bytes))
        return error;
    if (!FlushFileBuffers(temporary.handle()))
        return lastErrorNumber();
    if (!temporary.close())
        return lastErrorNumber();
    // Write-through: the move is on disk when the call returns.
    if (!MoveFileExW(temporary.name(), nativePath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return lastErrorNumber();
    temporary.markMoved();
    return 0;
}

// Folders inherit the user's own rights from the profile they are made in.
int createFolders(forms::TextView folder)
{
    const std::wstring path = forms::filePath(folder).native();
    for (std::size_t i = firstCreatableStep(path); i <= path.size(); ++i) {
        if (i < path.size() && !isSeparator(path[i]))
            continue;
        const std::wstring step = path.substr(0, i);
        if (!CreateDirectoryW(step.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return lastErrorNumber();
        if (!isFolder(step))
            return ENOTDIR;
    }
    return 0;
}
