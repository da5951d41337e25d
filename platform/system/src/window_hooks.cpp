// Window and pointer queries, answered by whatever the window layer installed.
#include "system_services.h"

#include <mutex>

namespace pellory::sys {
namespace {

struct InstalledHooks {
    std::mutex mutex;
    SysWindowHooks hooks{};
};

InstalledHooks &installed()
{
    static InstalledHooks state;
    return state;
}

// A copy, so a hook runs without the lock held (it may query again).
SysWindowHooks currentHooks()
{
    InstalledHooks &state = installed();
    std::lock_guard guard(state.mutex);
    return state.hooks;
}

} // namespace
} // namespace pellory::sys

using pellory::sys::currentHooks;

extern "C" {

void SysInstallWindowHooks(const SysWindowHooks *hooks)
{
    auto &state = pellory::sys::installed();
    std::lock_guard guard(state.mutex);
    state.hooks = hooks != nullptr ? *hooks : SysWindowHooks{};
}

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT *lpRect, BOOL bErase)
{
    const auto hook = currentHooks().invalidateRect;
    return hook != nullptr ? hook(hWnd, lpRect, bErase) : FALSE;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect)
{
    const auto hook = currentHooks().getWindowRect;
    return hook != nullptr && lpRect != nullptr ? hook(hWnd, lpRect) : FALSE;
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint)
{
    const auto hook = currentHooks().getCursorPos;
    return hook != nullptr && lpPoint != nullptr ? hook(lpPoint) : FALSE;
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint)
{
    const auto hook = currentHooks().screenToClient;
    return hook != nullptr && lpPoint != nullptr ? hook(hWnd, lpPoint) : FALSE;
}

} // extern "C"
