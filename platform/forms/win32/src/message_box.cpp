#include "forms/message_box.h"

#include <windows.h>

#include "forms/program.h"
#include "wide_text.h"

namespace forms {
namespace {

MessageBoxHandler &installedHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

} // namespace

void messageBox(TextView text, MessageIcon icon)
{
    const MessageBoxRecord box{programTitle(), Text(text), icon};
    if (installedHandler()) {
        installedHandler()(box);
        return;
    }
    // Task-modal: the box blocks every window of the program, as the user expects.
    const UINT style = MB_OK | MB_TASKMODAL | (icon == MessageIcon::Critical ? MB_ICONERROR : 0);
    MessageBoxW(nullptr, toWide(box.text).c_str(), toWide(box.title).c_str(), style);
}

void setMessageBoxHandler(MessageBoxHandler handler) { installedHandler() = std::move(handler); }

} // namespace forms
