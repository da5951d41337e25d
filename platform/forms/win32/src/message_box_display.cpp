#include <windows.h>

#include "backend_hooks.h"
#include "wide_text.h"

namespace forms {

// Task-modal: the box blocks every window of the program, as the user expects.
void showMessageBox(const MessageBoxRecord &box)
{
    const UINT style = MB_OK | MB_TASKMODAL | (box.icon == MessageIcon::Critical ? MB_ICONERROR : 0);
    MessageBoxW(nullptr, toWide(box.text).c_str(), toWide(box.title).c_str(), style);
}

} // namespace forms
