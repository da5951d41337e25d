#include "forms/multi_line_text_box.h"

#include <cstring>

#include "font_handles.h"
#include "wide_text.h"

namespace forms {
namespace {

// The footer's distance from the right edge, as on the other backend.
constexpr int FooterRightMargin = 3;

void putOnClipboard(HWND owner, const std::wstring &text)
{
    if (!OpenClipboard(owner))
        return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
            GlobalFree(memory);
    }
    CloseClipboard();
}

} // namespace

// Word wrap comes from having no horizontal scrolling.
MultiLineTextBox::MultiLineTextBox(Control *parent)
    : TextBox(parent, ES_MULTILINE | ES_CENTER | ES_AUTOVSCROLL | WS_VSCROLL)
{
}

void MultiLineTextBox::setFooterText(TextView text)
{
    if (text == footer_)
        return;
    footer_ = text;
    reserveFooterLine();
}

void MultiLineTextBox::setFooterFont(const Font &font)
{
    footerFont_ = fontHandle(font);
    reserveFooterLine();
}

int MultiLineTextBox::footerHeight() const
{
    if (footer_.empty())
        return 0;
    HDC dc = GetDC(hwnd());
    HGDIOBJ original = SelectObject(dc, footerFont_ != nullptr ? footerFont_ : font());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, original);
    ReleaseDC(hwnd(), dc);
    return metrics.tmHeight;
}

void MultiLineTextBox::reserveFooterLine()
{
    RECT text{};
    GetClientRect(hwnd(), &text);
    text.bottom -= footerHeight();
    SendMessageW(hwnd(), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&text));
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void MultiLineTextBox::drawFooter()
{
    RECT line{};
    GetClientRect(hwnd(), &line);
    line.top = line.bottom - footerHeight();
    line.right -= FooterRightMargin;
    HDC dc = GetDC(hwnd());
    // The editor's colours, as it paints its text.
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(hwnd()), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd())));
    RECT whole = line;
    whole.right += FooterRightMargin;
    FillRect(dc, &whole, brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ original = SelectObject(dc, footerFont_ != nullptr ? footerFont_ : font());
    std::wstring text = toWide(footer_);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &line, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, original);
    ReleaseDC(hwnd(), dc);
}

void MultiLineTextBox::copyWholeTextWithoutSelection()
{
    putOnClipboard(hwnd(), toWide(text()));
}

bool MultiLineTextBox::handleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result)
{
    switch (message) {
    case WM_PAINT:
        result = callOriginal(message, wParam, lParam);
        if (!footer_.empty())
            drawFooter();
        return true;
    case WM_SIZE:
        result = callOriginal(message, wParam, lParam);
        reserveFooterLine(); // the editor resets its text rectangle to the whole box
        return true;
    case WM_COPY: {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (start != end)
            return false;
        copyWholeTextWithoutSelection();
        result = 0;
        return true;
    }
    case WM_KEYDOWN:
        // Tab moves the focus (the message loop sees to it); Ctrl+Tab types one.
        if (wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
            SendMessageW(hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\t"));
            result = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace forms
