#include "forms/single_line_text_box.h"

namespace forms {

SingleLineTextBox::SingleLineTextBox(Control *parent) : TextBox(parent, ES_AUTOHSCROLL) {}

// The system limit holds only for typing and pasting, not for WM_SETTEXT:
// exactly the rule for code writes.
void SingleLineTextBox::setMaxTypedLength(int length)
{
    SendMessageW(hwnd(), EM_SETLIMITTEXT, static_cast<WPARAM>(length > 0 ? length : 0), 0);
}

void SingleLineTextBox::setCentred(bool centred)
{
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE) & ~static_cast<LONG_PTR>(ES_CENTER | ES_RIGHT);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, style | (centred ? ES_CENTER : ES_LEFT));
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void SingleLineTextBox::focusSelectingAll()
{
    SetFocus(hwnd());
    SendMessageW(hwnd(), EM_SETSEL, 0, -1);
}

} // namespace forms
