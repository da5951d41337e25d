#include "forms/single_line_text_box.h"

namespace forms {

SingleLineTextBox::SingleLineTextBox(Control *parent) : TextBox(parent, ES_AUTOHSCROLL) {}

// The system limit holds only for typing and pasting, not for WM_SETTEXT:
// exactly the rule for code writes.
void SingleLineTextBox::setMaxTypedLength(int length)
{
    maxTypedLength_ = length > 0 ? length : 0;
    SendMessageW(hwnd(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxTypedLength_), 0);
}

// A one-line editor takes its alignment only when it is created.
void SingleLineTextBox::setCentred(bool centred)
{
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)) & ~static_cast<DWORD>(ES_CENTER | ES_RIGHT);
    recreateWindow(style | (centred ? ES_CENTER : ES_LEFT));
    setMaxTypedLength(maxTypedLength_);
}

// A one-line editor outside a dialog beeps at the characters of Enter,
// Ctrl+Enter and Escape, which it cannot insert; the window has no default
// button or cancel action for them to reach either.
bool SingleLineTextBox::handleOwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT &result)
{
    if (message != WM_CHAR || (wParam != L'\r' && wParam != L'\n' && wParam != 0x1B))
        return false;
    result = 0;
    return true;
}

void SingleLineTextBox::focusSelectingAll()
{
    SetFocus(hwnd());
    SendMessageW(hwnd(), EM_SETSEL, 0, -1);
}

} // namespace forms
