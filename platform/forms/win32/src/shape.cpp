#include "forms/shape.h"

#include <algorithm>

#include "child_window_class.h"

namespace forms {

Shape::Shape(Control *parent) : Control(parent)
{
    createWindow(childWindowClass(L"PelloryShape", -1), 0);
}

void Shape::setBorderColor(const Color &color)
{
    borderColour_ = RGB(color.red, color.green, color.blue);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void Shape::setBorderWidth(int width)
{
    borderWidth_ = std::max(width, 1);
    shapeToOutline();
}

void Shape::shapeToOutline()
{
    RECT box{};
    GetClientRect(hwnd(), &box);
    HRGN outline = CreateRectRgn(0, 0, box.right, box.bottom);
    HRGN interior = CreateRectRgn(borderWidth_, borderWidth_, box.right - borderWidth_, box.bottom - borderWidth_);
    CombineRgn(outline, outline, interior, RGN_DIFF);
    DeleteObject(interior);
    SetWindowRgn(hwnd(), outline, TRUE); // the window owns the region from now on
}

bool Shape::handleOwnMessage(UINT message, WPARAM, LPARAM, LRESULT &result)
{
    switch (message) {
    case WM_SIZE:
        shapeToOutline();
        return false;
    case WM_NCHITTEST:
        result = HTTRANSPARENT; // decoration: the pointer belongs to what lies below
        return true;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd(), &paint);
        HBRUSH brush = CreateSolidBrush(borderColour_);
        RECT box{};
        GetClientRect(hwnd(), &box);
        FillRect(dc, &box, brush); // the region leaves only the outline
        DeleteObject(brush);
        EndPaint(hwnd(), &paint);
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

} // namespace forms
