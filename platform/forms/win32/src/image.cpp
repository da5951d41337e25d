#include "forms/image.h"

#include "child_window_class.h"
#include "picture_drawing.h"

namespace forms {

Image::Image(Control *parent) : Control(parent)
{
    createWindow(childWindowClass(L"PelloryImage", COLOR_BTNFACE), 0);
    setVisible(false);
}

void Image::setPicture(Picture picture)
{
    checkPicture(picture);
    picture_ = std::move(picture);
    setVisible(!picture_.bgra.empty());
    InvalidateRect(hwnd(), nullptr, TRUE);
}

bool Image::handleOwnMessage(UINT message, WPARAM, LPARAM, LRESULT &result)
{
    if (message != WM_PAINT)
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    drawPicture(dc, picture_, 0, 0);
    EndPaint(hwnd(), &paint);
    result = 0;
    return true;
}

} // namespace forms
