#include "forms/frame.h"

#include "child_window_class.h"

namespace forms {

// The system keeps a child window's children inside it.
Frame::Frame(Control *parent) : Control(parent)
{
    createWindow(childWindowClass(L"PelloryFrame", COLOR_BTNFACE), WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
}

} // namespace forms
