// Starting programs that outlive us: not our children (no zombies, nothing
// to wait for) and in a session of their own.
#ifndef PELLORY_SYSTEM_DETACHED_PROCESS_H
#define PELLORY_SYSTEM_DETACHED_PROCESS_H

#include <optional>
#include <string>
#include <vector>

namespace pellory::sys {

// Runs arguments[0] (a path) with the given arguments. Returns 0 once the
// program has been executed, else the errno of what failed. Waits only for
// the exec, never for the program.
int startDetached(const std::vector<std::string> &arguments,
                  const std::optional<std::string> &workingDirectory);

bool isExecutableFile(const std::string &path);

// The first executable regular file named `program` in the PATH folders.
std::optional<std::string> findInPath(const std::string &program);

// Splits parameters as a Windows command line: blanks separate, double
// quotes group, backslashes escape only before a quote.
std::vector<std::string> splitCommandLine(const std::string &parameters);

} // namespace pellory::sys

#endif
