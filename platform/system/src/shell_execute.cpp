// ShellExecuteA: programs are started detached with their parameters;
// documents, folders, web addresses and mail links go to the desktop's
// opener. With a recorder installed nothing is started at all.
#include "detached_process.h"
#include "native_path.h"
#include "system_services.h"

#include <strings.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <mutex>

namespace pellory::sys {
namespace {

// Results as Windows gives them: above 32 means started.
constexpr intptr_t kStarted = 42;
constexpr intptr_t kFileNotFound = 2;
constexpr intptr_t kAccessDenied = 5;
constexpr intptr_t kOutOfMemory = 8;
constexpr intptr_t kNoAssociation = 31;

struct ShellRecorder {
    std::mutex mutex;
    SysShellRecorder recorder = nullptr;
    void *context = nullptr;
};

ShellRecorder &shellRecorder()
{
    static ShellRecorder state;
    return state;
}

bool startsWith(const char *text, const char *prefix)
{
    return strncasecmp(text, prefix, std::char_traits<char>::length(prefix)) == 0;
}

bool isLink(const char *file)
{
    return startsWith(file, "http:") || startsWith(file, "https:") || startsWith(file, "mailto:");
}

intptr_t resultOf(int error, intptr_t whenMissing)
{
    switch (error) {
    case 0:
        return kStarted;
    case ENOENT:
    case ENOTDIR:
        return whenMissing;
    case EACCES:
    case EPERM:
        return kAccessDenied;
    case ENOMEM:
    case EAGAIN:
        return kOutOfMemory;
    default:
        return kNoAssociation;
    }
}

intptr_t openWithDesktop(const std::string &target, const std::optional<std::string> &directory)
{
    const std::optional<std::string> opener = findInPath("xdg-open");
    if (!opener)
        return kNoAssociation;
    return resultOf(startDetached({*opener, target}, directory), kNoAssociation);
}

std::string resolved(const std::string &path, const std::optional<std::string> &directory)
{
    if (path.front() == '/' || !directory)
        return path;
    return *directory + "/" + path;
}

intptr_t openLocal(const char *file, const char *parameters, const char *directory)
{
    const std::optional<std::string> folder = nativePathFromAnsi(directory);
    const std::string path = resolved(*nativePathFromAnsi(file), folder);
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return kFileNotFound;
    if (!isExecutableFile(path))
        return openWithDesktop(path, folder);
    std::vector<std::string> arguments{path};
    if (parameters != nullptr)
        for (std::string &argument : splitCommandLine(ansiToUtf8(parameters)))
            arguments.push_back(std::move(argument));
    return resultOf(startDetached(arguments, folder), kFileNotFound);
}

intptr_t shellExecute(const SysShellStart &start)
{
    if (start.file == nullptr || *start.file == 0)
        return kFileNotFound;
    if (start.operation != nullptr && strcasecmp(start.operation, "open") != 0)
        return kNoAssociation; // only the "open" verb exists here
    if (isLink(start.file))
        return openWithDesktop(ansiToUtf8(start.file), nativePathFromAnsi(start.directory));
    return openLocal(start.file, start.parameters, start.directory);
}

bool recorded(const SysShellStart &start)
{
    SysShellRecorder recorder;
    void *context;
    {
        ShellRecorder &state = shellRecorder();
        std::lock_guard guard(state.mutex);
        recorder = state.recorder;
        context = state.context;
    }
    if (recorder == nullptr)
        return false;
    recorder(context, &start);
    return true;
}

} // namespace
} // namespace pellory::sys

extern "C" {

void SysSetShellRecorder(SysShellRecorder recorder, void *context)
{
    auto &state = pellory::sys::shellRecorder();
    std::lock_guard guard(state.mutex);
    state.recorder = recorder;
    state.context = recorder != nullptr ? context : nullptr;
}

HINSTANCE WINAPI ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                               LPCSTR lpDirectory, INT nShowCmd)
{
    using namespace pellory::sys;
    const SysShellStart start{hwnd, lpOperation, lpFile, lpParameters, lpDirectory, nShowCmd};
    const intptr_t result = recorded(start) ? kStarted : shellExecute(start);
    return reinterpret_cast<HINSTANCE>(result);
}

} // extern "C"
