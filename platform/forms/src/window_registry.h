// Window handles of the forms, and the system layer's window and pointer
// queries answered for them.
#ifndef PELLORY_FORMS_WINDOW_REGISTRY_H
#define PELLORY_FORMS_WINDOW_REGISTRY_H

#include "windows.h"

namespace forms {

class ClientArea;

// Gives the area a new handle, unique for the life of the process, and
// (re)installs the system layer's window hooks.
HWND registerWindow(ClientArea *area);
void unregisterWindow(HWND hwnd);
// Null for a handle that names no live window.
ClientArea *findWindow(HWND hwnd);

} // namespace forms

#endif
