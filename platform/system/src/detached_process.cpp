#include "detached_process.h"

#include <fcntl.h>
#include <linux/close_range.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace pellory::sys {
namespace {

[[noreturn]] void reportAndExit(int pipe, int error)
{
    (void)!write(pipe, &error, sizeof error);
    _exit(127);
}

// Runs in the forked middle process: only async-signal-safe calls from here.
[[noreturn]] void runMiddle(char *const *arguments, const char *directory, int pipe)
{
    setsid();
    const pid_t target = fork();
    if (target < 0)
        reportAndExit(pipe, errno);
    if (target > 0)
        _exit(0); // the target is adopted by init and reaped there
    if (directory != nullptr && chdir(directory) != 0)
        reportAndExit(pipe, errno);
    // Like a Windows start, the program inherits none of our files or sockets.
    close_range(3, ~0u, CLOSE_RANGE_CLOEXEC);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    signal(SIGPIPE, SIG_DFL);
    execv(arguments[0], arguments);
    reportAndExit(pipe, errno);
}

// Reads the error the target reports, or nothing when its exec closed the pipe.
int readExecError(int pipe)
{
    int error = 0;
    ssize_t got;
    do {
        got = read(pipe, &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

} // namespace

bool isExecutableFile(const std::string &path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

int startDetached(const std::vector<std::string> &arguments,
                  const std::optional<std::string> &workingDirectory)
{
    if (arguments.empty())
        return EINVAL;
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    const char *directory = workingDirectory ? workingDirectory->c_str() : nullptr;
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0)
        return errno;
    const pid_t middle = fork();
    if (middle == 0) {
        close(pipe[0]);
        runMiddle(argv.data(), directory, pipe[1]);
    }
    const int forkError = middle < 0 ? errno : 0;
    close(pipe[1]);
    if (middle > 0)
        while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
        }
    const int execError = forkError != 0 ? 0 : readExecError(pipe[0]);
    close(pipe[0]);
    return forkError != 0 ? forkError : execError;
}

std::optional<std::string> findInPath(const std::string &program)
{
    const char *path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        if (isExecutableFile(candidate))
            return candidate;
        start = end + 1;
    }
    return std::nullopt;
}

std::vector<std::string> splitCommandLine(const std::string &parameters)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false, quoted = false;
    size_t backslashes = 0;
    for (const char c : parameters) {
        if (c == '\\') {
            ++backslashes;
            inArgument = true;
            continue;
        }
        if (c == '"') {
            current.append(backslashes / 2, '\\');
            if (backslashes % 2 == 1)
                current += '"';
            else
                quoted = !quoted;
            backslashes = 0;
            inArgument = true;
            continue;
        }
        current.append(backslashes, '\\');
        backslashes = 0;
        if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument)
                arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
            continue;
        }
        current += c;
        inArgument = true;
    }
    current.append(backslashes, '\\');
    if (inArgument)
        arguments.push_back(std::move(current));
    return arguments;
}

} // namespace pellory::sys
