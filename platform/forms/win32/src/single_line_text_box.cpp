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

void SingleLineTextBox::focusSelectingAll()
{
    SetFocus(hwnd());
    SendMessageW(hwnd(), EM_SETSEL, 0, -1);
}

} // namespace forms
