#include "shell_targets.h"

#include <array>
#include <string>

#include "ansi_text.h"

namespace {

// Local targets are named with the platform's separator and executable
// suffix; on Linux a "\" would be part of a file name.
#if defined(_WIN32)
#define PELLORY_SEPARATOR "\\"
#define PELLORY_EXECUTABLE_SUFFIX ".exe"
#else
#define PELLORY_SEPARATOR "/"
#define PELLORY_EXECUTABLE_SUFFIX ""
#endif

struct TargetEntry {
    ShellTarget target;
    bool local;        // relative to the program folder
    const char *text;  // relative name, or the whole address
};

constexpr std::array<TargetEntry, 11> Targets{{
    {ShellTarget::SendProgram, true, PELLORY_SEPARATOR "send" PELLORY_EXECUTABLE_SUFFIX},
    {ShellTarget::UpdateProgram, true, PELLORY_SEPARATOR "update" PELLORY_EXECUTABLE_SUFFIX},
    {ShellTarget::HelpFile, true, PELLORY_SEPARATOR "FILES" PELLORY_SEPARATOR "help.chm"},
    {ShellTarget::LicenceText, true, PELLORY_SEPARATOR "license.txt"},
    {ShellTarget::Site, false, "https://pellory.example/"},
    {ShellTarget::NewSkins, false, "https://pellory.example/skins/"},
    {ShellTarget::DiscussionTopic, false, "https://forum.pellory.example/topic/discussion"},
    {ShellTarget::AddMessageTopic, false, "https://forum.pellory.example/topic/add-your-sms"},
    {ShellTarget::GatewayHelpTopic, false, "https://forum.pellory.example/topic/gateways"},
    {ShellTarget::TestingSection, false, "https://forum.pellory.example/testing/"},
    {ShellTarget::AuthorMail, false, "mailto:author@pellory.example"},
}};

constexpr bool listedInEnumOrder()
{
    for (std::size_t i = 0; i < Targets.size(); ++i)
        if (Targets[i].target != static_cast<ShellTarget>(i))
            return false;
    return true;
}
static_assert(listedInEnumOrder(), "entryOf() looks targets up by their enum value");

const TargetEntry &entryOf(ShellTarget target)
{
    return Targets.at(static_cast<std::size_t>(target));
}

using ShellExecuteFunction = HINSTANCE(WINAPI *)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

#if defined(_WIN32)
// Bound by name when a command first needs it: a system without this entry
// point leaves the command doing nothing rather than the program unable to start.
ShellExecuteFunction shellExecute()
{
    static const ShellExecuteFunction bound = [] {
        const HMODULE shell = LoadLibraryW(L"shell32.dll");
        const FARPROC address = shell != nullptr ? GetProcAddress(shell, "ShellExecuteA") : nullptr;
        // Through void (*)(), the generic function pointer type.
        return reinterpret_cast<ShellExecuteFunction>(reinterpret_cast<void (*)()>(address));
    }();
    return bound;
}
#else
// The system layer is linked with the program; its shell start is the one.
ShellExecuteFunction shellExecute() { return &ShellExecuteA; }
#endif

} // namespace

forms::Text shellTargetText(ShellTarget target, forms::TextView programFolder)
{
    const TargetEntry &entry = entryOf(target);
    const forms::Text text = forms::textFromUtf8(entry.text);
    return entry.local ? forms::Text(programFolder).append(text) : text;
}

void startShellTarget(HWND owner, const forms::Text &target)
{
    const std::string file = toAnsi(target);
    if (const auto start = shellExecute())
        start(owner, "open", file.c_str(), "1", nullptr, SW_SHOWNORMAL);
}
