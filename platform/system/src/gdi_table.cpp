#include "gdi_table.h"

namespace pellory::sys {

std::unique_lock<std::mutex> gdiLock()
{
    static std::mutex mutex;
    return std::unique_lock(mutex);
}

GdiTable &GdiTable::instance()
{
    // Never destroyed: DCs may still be freed by other static destructors.
    static GdiTable *table = new GdiTable;
    return *table;
}

GdiHandle GdiTable::insert(Object object)
{
    // Handles advance by 4 so they look like the aligned values callers expect.
    const GdiHandle handle = nextHandle_;
    nextHandle_ += 4;
    objects_.emplace(handle, std::move(object));
    return handle;
}

GdiHandle GdiTable::add(BitmapObject bitmap) { return insert(std::move(bitmap)); }

GdiHandle GdiTable::add(DcObject dc) { return insert(std::move(dc)); }

template <typename T> T *GdiTable::find(GdiHandle handle)
{
    const auto found = objects_.find(handle);
    return found == objects_.end() ? nullptr : std::get_if<T>(&found->second);
}

BitmapObject *GdiTable::bitmap(GdiHandle handle) { return find<BitmapObject>(handle); }

DcObject *GdiTable::dc(GdiHandle handle) { return find<DcObject>(handle); }

void GdiTable::erase(GdiHandle handle)
{
    if (!isStock(handle))
        objects_.erase(handle);
}

GdiHandle GdiTable::stockBitmap()
{
    if (objects_.count(kStockBitmap) == 0) {
        static BYTE stockPixel[4] = {};
        BitmapObject stock;
        stock.surface = Surface{stockPixel, 4, 1, 1, 3};
        objects_.emplace(kStockBitmap, std::move(stock));
    }
    return kStockBitmap;
}

int GdiTable::liveCount() const
{
    return static_cast<int>(objects_.size() - objects_.count(kStockBitmap));
}

std::optional<Surface> GdiTable::surfaceOf(const DcObject &dc)
{
    if (dc.isWindow)
        return dc.windowSurface;
    const BitmapObject *selected = bitmap(dc.selectedBitmap);
    if (selected == nullptr)
        return std::nullopt;
    return selected->surface;
}

} // namespace pellory::sys

extern "C" int SysLiveGdiObjectCount(void)
{
    auto lock = pellory::sys::gdiLock();
    return pellory::sys::GdiTable::instance().liveCount();
}
