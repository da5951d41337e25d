#include "window_registry.h"

#include <QWidget>
#include <cstdint>
#include <unordered_map>

#include "client_area.h"
#include "pointer_position.h"
#include "system_services.h"

namespace forms {
namespace {

std::unordered_map<HWND, ClientArea *> &windows()
{
    static std::unordered_map<HWND, ClientArea *> table;
    return table;
}

BOOL getWindowRect(HWND hwnd, RECT *rect)
{
    const ClientArea *area = findWindow(hwnd);
    if (area == nullptr || rect == nullptr)
        return FALSE;
    const QRect frame = area->window()->frameGeometry();
    *rect =
        RECT{frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
    return TRUE;
}

BOOL screenToClient(HWND hwnd, POINT *point)
{
    const ClientArea *area = findWindow(hwnd);
    if (area == nullptr || point == nullptr)
        return FALSE;
    const QPoint local = area->mapFromGlobal(QPoint(point->x, point->y));
    *point = POINT{local.x(), local.y()};
    return TRUE;
}

BOOL invalidateRect(HWND hwnd, const RECT *rect, BOOL)
{
    ClientArea *area = findWindow(hwnd);
    if (area == nullptr)
        return FALSE;
    area->invalidate(rect == nullptr ? area->surfaceRect()
                                     : QRect(QPoint(rect->left, rect->top),
                                             QPoint(rect->right - 1, rect->bottom - 1)));
    return TRUE;
}

BOOL getCursorPos(POINT *point)
{
    if (point == nullptr)
        return FALSE;
    const QPoint position = pointerPosition();
    *point = POINT{position.x(), position.y()};
    return TRUE;
}

} // namespace

HWND registerWindow(ClientArea *area)
{
    // Installed again with every window, in case something replaced them.
    static const SysWindowHooks hooks{getWindowRect, screenToClient, invalidateRect, getCursorPos};
    SysInstallWindowHooks(&hooks);
    static std::uintptr_t lastHandle = 0;
    // Odd values from 0x1001 up: never null, never a small integer by accident.
    lastHandle = lastHandle == 0 ? 0x1001 : lastHandle + 2;
    const HWND handle = reinterpret_cast<HWND>(lastHandle);
    windows().emplace(handle, area);
    return handle;
}

void unregisterWindow(HWND hwnd)
{
    windows().erase(hwnd);
}

ClientArea *findWindow(HWND hwnd)
{
    const auto found = windows().find(hwnd);
    return found == windows().end() ? nullptr : found->second;
}

} // namespace forms
