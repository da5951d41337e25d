#include "forms/command_button.h"

#include "picture_drawing.h"
#include "wide_text.h"

namespace forms {

CommandButton::CommandButton(Control *parent) : CommandButton(u"", parent) {}

CommandButton::CommandButton(TextView caption, Control *parent) : Control(parent)
{
    createWindow(L"BUTTON", BS_PUSHBUTTON);
    SetWindowTextW(hwnd(), toWide(caption).c_str());
}

void CommandButton::click()
{
    if (IsWindowEnabled(hwnd()))
        raise("Click", onClick_);
}

void CommandButton::setPicture(Picture picture)
{
    checkPicture(picture);
    picture_ = std::move(picture);
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE) & ~static_cast<LONG_PTR>(BS_TYPEMASK);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, style | (picture_.bgra.empty() ? BS_PUSHBUTTON : BS_OWNERDRAW));
    InvalidateRect(hwnd(), nullptr, TRUE);
}

// The system button leaves Enter to dialogs' default buttons; here every button takes it.
bool CommandButton::handleOwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT &result)
{
    const bool held = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0 || GetKeyState(VK_SHIFT) < 0;
    if (message == WM_KEYDOWN && wParam == VK_RETURN && !held) {
        click();
        result = 0;
        return true;
    }
    return false;
}

bool CommandButton::handleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        click();
        result = 0;
        return true;
    }
    if (message == WM_DRAWITEM) {
        drawFace(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        result = TRUE;
        return true;
    }
    return false;
}

void CommandButton::drawFace(const DRAWITEMSTRUCT &item) const
{
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    RECT edge = item.rcItem;
    DrawFrameControl(item.hDC, &edge, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    // A pressed face moves by one pixel, as a pressed caption would.
    const int shift = pressed ? 1 : 0;
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    drawPicture(item.hDC, picture_, (width - picture_.width) / 2 + shift, (height - picture_.height) / 2 + shift);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
}

} // namespace forms
