#include "forms/list_box.h"

#include <string>

#include "wide_text.h"

namespace forms {

ListBox::ListBox(Control *parent) : Control(parent)
{
    // The box keeps the height it is given, not a whole number of lines.
    createWindow(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE);
}

void ListBox::addEntry(TextView text)
{
    SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(text).c_str()));
}

Text ListBox::highlightedText() const
{
    const auto row = static_cast<WPARAM>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
    const LRESULT length = SendMessageW(hwnd(), LB_GETTEXTLEN, row, 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(hwnd(), LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
    return fromWide(text);
}

void ListBox::clickIfMoved()
{
    const auto row = static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
    if (row == highlightedRow_ || row == LB_ERR)
        return;
    highlightedRow_ = row;
    raise("Click", onClick_);
}

// With nothing highlighted the system would step on from its caret (the first
// entry); here the first step lands on the first entry.
bool ListBox::handleOwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT &result)
{
    const bool step = wParam == VK_DOWN || wParam == VK_UP;
    if (message != WM_KEYDOWN || !step || SendMessageW(hwnd(), LB_GETCURSEL, 0, 0) != LB_ERR)
        return false;
    if (SendMessageW(hwnd(), LB_GETCOUNT, 0, 0) > 0) {
        SendMessageW(hwnd(), LB_SETCURSEL, 0, 0);
        clickIfMoved();
    }
    result = 0;
    return true;
}

bool ListBox::handleNotification(UINT message, WPARAM wParam, LPARAM, LRESULT &result)
{
    if (message != WM_COMMAND || HIWORD(wParam) != LBN_SELCHANGE)
        return false;
    clickIfMoved();
    result = 0;
    return true;
}

} // namespace forms
