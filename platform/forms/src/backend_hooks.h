// What each window backend supplies to the program and message box code
// that both backends share.
#ifndef PELLORY_FORMS_BACKEND_HOOKS_H
#define PELLORY_FORMS_BACKEND_HOOKS_H

#include "forms/message_box.h"
#include "forms/text.h"

namespace forms {

// The executable's folder, without a trailing separator (but the root's).
Text executableFolder();
// Shows `box` and returns when the user closed it.
void showMessageBox(const MessageBoxRecord &box);

} // namespace forms

#endif
