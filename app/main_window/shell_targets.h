// Everything the main window starts through the shell: the local programs
// and documents, the web pages and the mail link, all in one place.
#ifndef PELLORY_SHELL_TARGETS_H
#define PELLORY_SHELL_TARGETS_H

#include "forms/text.h"
#include "windows.h"

enum class ShellTarget {
    SendProgram,
    UpdateProgram,
    HelpFile,
    LicenceText,
    Site,
    NewSkins,
    DiscussionTopic,
    AddMessageTopic,
    GatewayHelpTopic,
    TestingSection,
    AuthorMail,
};

// The text handed to the shell. A local target is the program folder
// followed directly by its relative name, which begins with the platform's
// separator: no separator is added or removed, so a program folder at the
// root gives a doubled one.
forms::Text shellTargetText(ShellTarget target, forms::TextView programFolder);

// Starts `target` with the verb "open" and the parameter "1", owned by
// `owner`, without waiting; the target goes over as Windows-1251 text. The
// shell's answer is not examined: whatever goes wrong, the shell reports.
void startShellTarget(HWND owner, const forms::Text &target);

#endif
