#include "forms/control.h"

#include <stdexcept>

#include "font_handles.h"
#include "forms/errors.h"
#include "forms/form.h"

namespace forms {
namespace {

// Marks the windows that are controls of this program, with the control.
constexpr wchar_t ControlProperty[] = L"PelloryControl";

} // namespace

Control::Control(Control *parent) : parent_(parent)
{
    if (parent_ != nullptr) {
        parent_->children_.emplace_back(this);
        font_ = parent_->font_;
    }
}

Control::~Control() { destroyWindow(); }

void Control::destroyWindow()
{
    // Children release their windows first, while this one still stands.
    while (!children_.empty())
        children_.pop_back();
    if (hwnd_ == nullptr)
        return;
    RemovePropW(hwnd_, ControlProperty);
    if (original_ != nullptr)
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void Control::createWindow(const wchar_t *windowClass, DWORD style, DWORD extendedStyle)
{
    takeWindow(windowClass, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, extendedStyle, L"", RECT{});
    // A control made later lies above the earlier ones it overlaps.
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Control::recreateWindow(DWORD style)
{
    wchar_t windowClass[64] = {};
    GetClassNameW(hwnd_, windowClass, 64);
    const auto extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
    RECT box{};
    GetWindowRect(hwnd_, &box);
    MapWindowPoints(nullptr, parent_->hwnd(), reinterpret_cast<POINT *>(&box), 2);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    HWND above = GetWindow(hwnd_, GW_HWNDPREV);
    destroyWindow();
    takeWindow(windowClass, style, extendedStyle, text.c_str(), box);
    SetWindowPos(hwnd_, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Control::takeWindow(const wchar_t *windowClass, DWORD style, DWORD extendedStyle, const wchar_t *text,
                         const RECT &box)
{
    HWND hwnd = CreateWindowExW(extendedStyle, windowClass, text, style, box.left, box.top, box.right - box.left,
                                box.bottom - box.top, parent_->hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr)
        throw std::runtime_error("a control's window could not be created");
    adoptWindow(hwnd);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::procedure)));
    applyFont(font_);
}

void Control::adoptWindow(HWND hwnd)
{
    hwnd_ = hwnd;
    SetPropW(hwnd_, ControlProperty, this);
}

Control *Control::fromHandle(HWND hwnd)
{
    return hwnd == nullptr ? nullptr : static_cast<Control *>(GetPropW(hwnd, ControlProperty));
}

LRESULT CALLBACK Control::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Control *control = fromHandle(hwnd);
    LRESULT result = 0;
    if (control == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (notifyChild(message, wParam, lParam, result) || control->handleOwnMessage(message, wParam, lParam, result))
        return result;
    return control->callOriginal(message, wParam, lParam);
}

LRESULT Control::callOriginal(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(original_, hwnd_, message, wParam, lParam);
}

bool Control::handleOwnMessage(UINT, WPARAM, LPARAM, LRESULT &) { return false; }

bool Control::handleNotification(UINT, WPARAM, LPARAM, LRESULT &) { return false; }

bool Control::notifyChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result)
{
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_DRAWITEM:
        child = reinterpret_cast<const DRAWITEMSTRUCT *>(lParam)->hwndItem;
        break;
    default:
        return false;
    }
    Control *control = fromHandle(child);
    return control != nullptr && control->handleNotification(message, wParam, lParam, result);
}

void Control::raise(const char *event, const std::function<void()> &handler)
{
    if (!handler)
        return;
    const std::string procedure = name_.empty() ? std::string(event) : name_ + "_" + event;
    Form *form = Form::fromHandle(GetAncestor(hwnd_, GA_ROOT));
    if (form != nullptr)
        form->runProcedure(procedure.c_str(), handler);
    else
        runGuarded(procedure.c_str(), handler);
}

void Control::setVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

bool Control::isHidden() const { return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) == 0; }

void Control::setFontHandle(HFONT font)
{
    ownFont_ = true;
    applyFont(font);
}

// Children that took their font from this control follow it.
void Control::applyFont(HFONT font)
{
    font_ = font;
    if (hwnd_ != nullptr)
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    for (const auto &child : children_)
        if (!child->ownFont_)
            child->applyFont(font);
}

void setBounds(Control &control, const Rect &box)
{
    MoveWindow(control.hwnd(), box.left, box.top, box.width, box.height, TRUE);
}

void setFont(Control &control, const Font &font) { control.setFontHandle(fontHandle(font)); }

void setName(Control &control, const char *name) { control.setNameText(name); }

} // namespace forms
