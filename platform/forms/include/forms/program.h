// The running program: its folder, its title, and ending it.
#ifndef PELLORY_FORMS_PROGRAM_H
#define PELLORY_FORMS_PROGRAM_H

#include <functional>

#include "forms/text.h"

namespace forms {

// The folder of the executable, without a trailing separator except for the
// root "/". Tests may point it elsewhere with setProgramFolder.
Text programFolder();
// Overrides programFolder() (tests); an empty text restores the executable's folder.
void setProgramFolder(TextView folder);
// `path` without its trailing separators, except that the root stays "/".
Text withoutTrailingSeparator(TextView path);

// The title message boxes carry: the name the application was started with.
Text programTitle();

// Ends the program at once with `status`, whatever windows are open; nothing
// after the call runs. With a handler installed (tests), the handler is
// called instead and endProgram() returns.
void endProgram(int status = 0);
using EndProgramHandler = std::function<void(int status)>;
void setEndProgramHandler(EndProgramHandler handler); // nullptr: really end

} // namespace forms

#endif
