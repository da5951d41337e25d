// The message box seam, alike in every backend; the backend shows the box.
#include "forms/message_box.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "backend_hooks.h"
#include "forms/program.h"

namespace forms {
namespace {

MessageBoxHandler &installedHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

const char *iconName(MessageIcon icon)
{
    return icon == MessageIcon::Critical ? "critical" : "none";
}

// Returns false when the log file could not be written, so the box is shown instead.
bool appendToLog(const char *logFile, const MessageBoxRecord &box)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(logFile, "ab"), &std::fclose);
    if (file == nullptr)
        return false;
    std::string text = textToUtf8(box.text);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.replace(at, 1, "\\n");
    const std::string line = textToUtf8(box.title) + '\t' + iconName(box.icon) + '\t' + text + '\n';
    return std::fwrite(line.data(), 1, line.size(), file.get()) == line.size() && std::fflush(file.get()) == 0;
}

} // namespace

void messageBox(TextView text, MessageIcon icon)
{
    const MessageBoxRecord box{programTitle(), Text(text), icon};
    if (installedHandler()) {
        installedHandler()(box);
        return;
    }
    const char *logFile = std::getenv("PELLORY_MESSAGE_BOX_LOG");
    if (logFile != nullptr && *logFile != '\0' && appendToLog(logFile, box))
        return;
    showMessageBox(box);
}

void setMessageBoxHandler(MessageBoxHandler handler)
{
    installedHandler() = std::move(handler);
}

} // namespace forms
