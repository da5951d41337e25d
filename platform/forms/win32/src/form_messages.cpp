// The window procedure: which message raises which event procedure.
#include "forms/form.h"

#include <windowsx.h>

#include <string>

#include "form_accessible.h"
#include "forms/errors.h"
#include "menu_commands.h"
#include "window_timers.h"

namespace forms {
namespace {

std::int16_t buttonsHeld(WPARAM keys)
{
    return static_cast<std::int16_t>(((keys & MK_LBUTTON) != 0 ? Form::LeftButton : 0) |
                                     ((keys & MK_RBUTTON) != 0 ? Form::RightButton : 0) |
                                     ((keys & MK_MBUTTON) != 0 ? Form::MiddleButton : 0));
}

std::int16_t shiftState(WPARAM keys)
{
    return static_cast<std::int16_t>(((keys & MK_SHIFT) != 0 ? Form::ShiftMask : 0) |
                                     ((keys & MK_CONTROL) != 0 ? Form::CtrlMask : 0) |
                                     (GetKeyState(VK_MENU) < 0 ? Form::AltMask : 0));
}

std::int16_t releasedButton(UINT message)
{
    switch (message) {
    case WM_LBUTTONUP:
        return Form::LeftButton;
    case WM_RBUTTONUP:
        return Form::RightButton;
    default:
        return Form::MiddleButton;
    }
}

} // namespace

LRESULT CALLBACK Form::windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *form = static_cast<Form *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        form->adoptWindow(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    if (message == WM_ERASEBKGND)
        return 1; // every paint covers the whole client area
    auto *form = reinterpret_cast<Form *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    LRESULT result = 0;
    if (form != nullptr && form->handleMessage(message, wParam, lParam, result))
        return result;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result)
{
    if (notifyChild(message, wParam, lParam, result))
        return true;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(hwnd(), &paint);
        EndPaint(hwnd(), &paint);
        paintCycle();
        return true;
    }
    case WM_CLOSE:
        close();
        return true;
    case WM_GETMINMAXINFO:
        // The program fixes the size, however small: no minimum for a captioned frame.
        reinterpret_cast<MINMAXINFO *>(lParam)->ptMinTrackSize = POINT{1, 1};
        return true;
    case WM_ACTIVATE:
        // The system gives the focus back to the window, not to the control that had it.
        if (LOWORD(wParam) == WA_INACTIVE)
            focusBeforeDeactivation_ = GetFocus();
        return false;
    case WM_SETFOCUS:
        if (focusBeforeDeactivation_ != nullptr && IsChild(hwnd(), focusBeforeDeactivation_))
            SetFocus(focusBeforeDeactivation_);
        else
            focusFirstControl();
        return true;
    case WM_TIMER: {
        const char *name = timers_->name(wParam);
        if (name == nullptr)
            return false;
        const std::string timerName = name; // the handler may destroy its timer
        runProcedure(timerName.c_str(), [this, wParam] { timers_->tick(wParam); });
        return true;
    }
    case WM_COMMAND:
        if (lParam == 0) // else a notification that no control of this form took
            handleMenuCommand(wParam);
        return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        handlePointer(message, wParam, lParam);
        return true;
    case WM_GETOBJECT:
        // The id is a 32-bit value, whatever the width of lParam.
        if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT || accessible() == nullptr)
            return false;
        result = LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible *>(accessible()));
        return true;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        runProcedure("Form_MouseLeave", [this] { Form_MouseLeave(); });
        return true;
    default:
        return false;
    }
}

void Form::handlePointer(UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto x = static_cast<float>(GET_X_LPARAM(lParam));
    const auto y = static_cast<float>(GET_Y_LPARAM(lParam));
    const std::int16_t shift = shiftState(wParam);
    switch (message) {
    case WM_MOUSEMOVE:
        if (!trackingLeave_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
            trackingLeave_ = TrackMouseEvent(&track) != FALSE;
        }
        runProcedure("Form_MouseMove", [&] { Form_MouseMove(buttonsHeld(wParam), shift, x, y); });
        return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(hwnd()); // moves and the release keep coming while a button is held outside
        return;
    default:
        if (buttonsHeld(wParam) == 0)
            ReleaseCapture();
        runProcedure("Form_MouseUp", [&] { Form_MouseUp(releasedButton(message), shift, x, y); });
    }
}

// Menu commands: notifications come from controls, with their handle in lParam.
void Form::handleMenuCommand(WPARAM wParam)
{
    if (HIWORD(wParam) != 0)
        return;
    MenuItem *item = commands_->find(LOWORD(wParam));
    if (item == nullptr)
        return;
    const std::string name = textToUtf8(item->caption());
    runProcedure(name.c_str(), [item] { item->trigger(); });
}

} // namespace forms
