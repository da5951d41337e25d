#include "forms/control_description.h"

#include <commctrl.h>

#include "forms/command_button.h"
#include "wide_text.h"

namespace forms {
namespace {

// A tooltip window owned by the control's form shows `text` over the control.
void addToolTip(Control &control, TextView text)
{
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    if (!initialised)
        return;
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               GetAncestor(control.hwnd(), GA_ROOT), nullptr, GetModuleHandleW(nullptr), nullptr);
    std::wstring wide = toWide(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control.hwnd());
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
    tool.lpszText = wide.data();
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 400);
}

} // namespace

// Native controls tell assistive tools their captions and contents; a
// button without a caption (a picture button, which draws none) gets its
// name as one.
void describeControl(Control *control, const ControlDescription &description)
{
    auto *button = dynamic_cast<CommandButton *>(control);
    if (button != nullptr && GetWindowTextLengthW(button->hwnd()) == 0)
        SetWindowTextW(button->hwnd(), toWide(description.name).c_str());
    if (description.toolTip)
        addToolTip(*control, description.description);
}

} // namespace forms
