// BitBlt with SRCCOPY between any two DCs that have pixels, clipped against
// both surfaces. A window DC's owner hears about the rectangle when a byte in
// it changed: redrawing the same pixels (a button at an unchanged glow) then
// costs no presentation.
#include "blit_clip.h"
#include "gdi_table.h"

namespace pellory::sys {
namespace {

struct ChangeNotice {
    SysSurfaceChanged changed = nullptr;
    void *context = nullptr;
    RECT area{};
};

BOOL blit(GdiHandle dstHandle, int x, int y, int cx, int cy, GdiHandle srcHandle, int x1, int y1,
          ChangeNotice &notice)
{
    GdiTable &table = GdiTable::instance();
    DcObject *dstDc = table.dc(dstHandle);
    DcObject *srcDc = table.dc(srcHandle);
    if (dstDc == nullptr || srcDc == nullptr)
        return FALSE;
    const std::optional<Surface> dst = table.surfaceOf(*dstDc);
    const std::optional<Surface> src = table.surfaceOf(*srcDc);
    if (!dst || !src)
        return FALSE;
    const std::optional<BlitArea> area = clipBlit(
        {x, y, cx, cy, x1, y1, dst->width, dst->height, src->width, src->height});
    if (!area)
        return TRUE; // nothing of the rectangle is on both surfaces
    const bool heard = dstDc->isWindow && dstDc->changed != nullptr;
    const bool changed = copyPixels(*dst, area->dstX, area->dstY, *src, area->srcX, area->srcY,
                                    area->width, area->height, heard);
    if (changed && heard)
        notice = {dstDc->changed, dstDc->changedContext,
                  RECT{area->dstX, area->dstY, area->dstX + area->width, area->dstY + area->height}};
    return TRUE;
}

} // namespace
} // namespace pellory::sys

extern "C" BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1,
                              DWORD rop)
{
    using namespace pellory::sys;
    if (rop != SRCCOPY)
        return FALSE;
    ChangeNotice notice;
    BOOL result;
    {
        auto lock = gdiLock();
        result = blit(toGdiHandle(hdc), x, y, cx, cy, toGdiHandle(hdcSrc), x1, y1, notice);
    }
    // Outside the lock: the window layer may draw or query GDI in its callback.
    if (notice.changed != nullptr)
        notice.changed(notice.context, &notice.area);
    return result;
}
