// Memory and window device contexts: creation, bitmap selection and freeing.
#include "fault_injection.h"
#include "gdi_table.h"

#include <cstdint>

namespace pellory::sys {
namespace {

GdiTable &table() { return GdiTable::instance(); }

// A DC lets go of its bitmap; a bitmap deleted meanwhile goes with it.
void releaseSelection(GdiHandle bitmapHandle)
{
    BitmapObject *bitmap = table().bitmap(bitmapHandle);
    if (bitmap == nullptr || table().isStock(bitmapHandle))
        return;
    bitmap->selectedInto = 0;
    if (bitmap->deletePending)
        table().erase(bitmapHandle);
}

BOOL deleteDc(GdiHandle handle)
{
    DcObject *dc = table().dc(handle);
    if (dc == nullptr)
        return FALSE;
    if (!dc->isWindow)
        releaseSelection(dc->selectedBitmap);
    table().erase(handle);
    return TRUE;
}

BOOL deleteBitmap(GdiHandle handle)
{
    BitmapObject *bitmap = table().bitmap(handle);
    if (bitmap == nullptr)
        return FALSE;
    if (bitmap->selectedInto != 0)
        bitmap->deletePending = true;
    else
        table().erase(handle);
    return TRUE;
}

bool validSurfaceGeometry(const BYTE *pixels, int width, int height, int bytesPerLine)
{
    if (width < 0 || height < 0 || bytesPerLine < 0)
        return false;
    if (width == 0 || height == 0)
        return true;
    return pixels != nullptr && int64_t{bytesPerLine} >= int64_t{width} * 4;
}

Surface windowSurface(BYTE *pixels, int width, int height, int bytesPerLine)
{
    return Surface{pixels, bytesPerLine, width, height, 4};
}

HGDIOBJ selectBitmap(GdiHandle dcHandle, GdiHandle bitmapHandle)
{
    DcObject *dc = table().dc(dcHandle);
    BitmapObject *bitmap = table().bitmap(bitmapHandle);
    if (dc == nullptr || dc->isWindow || bitmap == nullptr || bitmap->deletePending)
        return nullptr;
    const GdiHandle previous = dc->selectedBitmap;
    if (previous == bitmapHandle)
        return reinterpret_cast<HGDIOBJ>(previous);
    const bool stock = table().isStock(bitmapHandle);
    if (!stock && bitmap->selectedInto != 0)
        return nullptr; // a bitmap lives in one DC at a time
    if (!stock)
        bitmap->selectedInto = dcHandle;
    dc->selectedBitmap = bitmapHandle;
    releaseSelection(previous);
    return reinterpret_cast<HGDIOBJ>(previous);
}

} // namespace
} // namespace pellory::sys

using namespace pellory::sys;

extern "C" {

HDC WINAPI CreateCompatibleDC(HDC hdc)
{
    auto lock = gdiLock();
    if (hdc != nullptr && table().dc(toGdiHandle(hdc)) == nullptr)
        return nullptr;
    if (creationMustFail(SYS_RESOURCE_DC))
        return nullptr;
    DcObject dc;
    dc.selectedBitmap = table().stockBitmap();
    return reinterpret_cast<HDC>(table().add(std::move(dc)));
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h)
{
    auto lock = gdiLock();
    return selectBitmap(toGdiHandle(hdc), toGdiHandle(h));
}

BOOL WINAPI DeleteObject(HGDIOBJ ho)
{
    auto lock = gdiLock();
    const GdiHandle handle = toGdiHandle(ho);
    if (table().isStock(handle))
        return TRUE; // stock objects outlive every request to delete them
    return table().dc(handle) != nullptr ? deleteDc(handle) : deleteBitmap(handle);
}

BOOL WINAPI DeleteDC(HDC hdc)
{
    auto lock = gdiLock();
    return deleteDc(toGdiHandle(hdc));
}

HDC SysCreateWindowDC(HWND, BYTE *pixels, int width, int height, int bytesPerLine,
                      SysSurfaceChanged changed, void *context)
{
    if (!validSurfaceGeometry(pixels, width, height, bytesPerLine))
        return nullptr;
    auto lock = gdiLock();
    if (creationMustFail(SYS_RESOURCE_DC))
        return nullptr;
    DcObject dc;
    dc.isWindow = true;
    dc.windowSurface = windowSurface(pixels, width, height, bytesPerLine);
    dc.changed = changed;
    dc.changedContext = context;
    return reinterpret_cast<HDC>(table().add(std::move(dc)));
}

BOOL SysRebindWindowDC(HDC hdc, BYTE *pixels, int width, int height, int bytesPerLine)
{
    if (!validSurfaceGeometry(pixels, width, height, bytesPerLine))
        return FALSE;
    auto lock = gdiLock();
    DcObject *dc = table().dc(toGdiHandle(hdc));
    if (dc == nullptr || !dc->isWindow)
        return FALSE;
    dc->windowSurface = windowSurface(pixels, width, height, bytesPerLine);
    return TRUE;
}

} // extern "C"
