// The window classes of the controls the system has no class for.
#ifndef PELLORY_FORMS_WIN32_CHILD_WINDOW_CLASS_H
#define PELLORY_FORMS_WIN32_CHILD_WINDOW_CLASS_H

#include <windows.h>

namespace forms {

// Registers (once per name) a class whose windows the controls take over;
// `background` is a system colour index, or -1 for none (the control paints).
const wchar_t *childWindowClass(const wchar_t *name, int background);

} // namespace forms

#endif
