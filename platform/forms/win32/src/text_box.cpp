#include "forms/text_box.h"

#include <string>

#include "wide_text.h"

namespace forms {

TextBox::TextBox(Control *parent, DWORD style) : Control(parent)
{
    createWindow(L"EDIT", style, WS_EX_CLIENTEDGE);
}

TextBox::~TextBox()
{
    destroyWindow(); // before the brush it paints with
    if (backgroundBrush_ != nullptr)
        DeleteObject(backgroundBrush_);
}

void TextBox::setText(TextView text)
{
    if (text == text_)
        return;
    text_ = text;
    // The editor's own change notice would report this write a second time.
    const bool alreadyWriting = writing_;
    writing_ = true;
    SetWindowTextW(hwnd(), toWide(text_).c_str());
    writing_ = alreadyWriting;
    changed();
}

void TextBox::changed()
{
    if (onChange_)
        onChange_();
}

void TextBox::editorChanged()
{
    const int length = GetWindowTextLengthW(hwnd());
    std::wstring typed(static_cast<std::size_t>(length) + 1, L'\0');
    typed.resize(static_cast<std::size_t>(GetWindowTextW(hwnd(), typed.data(), length + 1)));
    const Text now = fromWide(typed);
    if (now == text_)
        return;
    text_ = now;
    raise("Change", [this] { changed(); });
}

void TextBox::setBackgroundColor(const Color &color)
{
    background_ = RGB(color.red, color.green, color.blue);
    if (backgroundBrush_ != nullptr)
        DeleteObject(backgroundBrush_);
    backgroundBrush_ = CreateSolidBrush(*background_);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void TextBox::setTextColor(const Color &color)
{
    textColour_ = RGB(color.red, color.green, color.blue);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

bool TextBox::handleNotification(UINT message, WPARAM wParam, LPARAM, LRESULT &result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        if (!writing_)
            editorChanged();
        result = 0;
        return true;
    }
    // A read-only box asks as static text does.
    if ((message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) && (background_ || textColour_)) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, textColour_.value_or(GetSysColor(COLOR_WINDOWTEXT)));
        SetBkColor(dc, background_.value_or(GetSysColor(COLOR_WINDOW)));
        result = reinterpret_cast<LRESULT>(backgroundBrush_ != nullptr ? backgroundBrush_ : GetSysColorBrush(COLOR_WINDOW));
        return true;
    }
    return false;
}

} // namespace forms
