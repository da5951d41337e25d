#include "gdi_table.h"

#include <new>

namespace pellory::sys {

GdiTable &GdiTable::instance()
{
    // Never destroyed: DCs may still be freed by other static destructors.
    static GdiTable *table = new GdiTable;
    return *table;
}

GdiTable::GdiTable()
{
    static BYTE stockPixel[4] = {};
    stock_.surface = Surface{stockPixel, 4, 1, 1, 3};
    free_.reserve(64);
}

GdiHandle GdiTable::insert(Object object)
{
    uint32_t index;
    if (!free_.empty()) {
        index = free_.back();
        free_.pop_back();
    } else if (slotCount_ < kSlotLimit) {
        if (slotCount_ % kBlockSize == 0 && !grow())
            return 0;
        index = slotCount_++;
    } else {
        return 0;
    }
    Slot &fresh = slot(index);
    fresh.object = std::move(object);
    ++liveCount_;
    return ((GdiHandle{fresh.generation} << kSlotBits) | index) << 2;
}

// Room for a block of slots, and room on the free list for all of them, so
// that erasing (DeleteObject, DeleteDC) never allocates and cannot fail.
bool GdiTable::grow()
{
    try {
        free_.reserve(slotCount_ + kBlockSize);
        blocks_.push_back(std::make_unique<Slot[]>(kBlockSize));
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}

GdiHandle GdiTable::add(BitmapObject bitmap) { return insert(std::move(bitmap)); }

GdiHandle GdiTable::add(DcObject dc) { return insert(std::move(dc)); }

GdiTable::Object *GdiTable::find(GdiHandle handle)
{
    if ((handle & 3) != 0)
        return nullptr;
    const GdiHandle key = handle >> 2;
    const auto index = static_cast<uint32_t>(key & (kSlotLimit - 1));
    if (index >= slotCount_)
        return nullptr;
    Slot &found = slot(index);
    if (key >> kSlotBits != found.generation || std::holds_alternative<std::monostate>(found.object))
        return nullptr;
    return &found.object;
}

template <typename T> T *GdiTable::findAs(GdiHandle handle)
{
    Object *object = find(handle);
    return object == nullptr ? nullptr : std::get_if<T>(object);
}

BitmapObject *GdiTable::bitmap(GdiHandle handle)
{
    return isStock(handle) ? &stock_ : findAs<BitmapObject>(handle);
}

DcObject *GdiTable::dc(GdiHandle handle) { return findAs<DcObject>(handle); }

void GdiTable::erase(GdiHandle handle)
{
    Object *object = find(handle);
    if (object == nullptr)
        return;
    *object = std::monostate{};
    --liveCount_;
    const uint32_t index = static_cast<uint32_t>((handle >> 2) & (kSlotLimit - 1));
    // A slot whose generations are used up is retired, never handed out again.
    if (++slot(index).generation < kGenerationLimit)
        free_.push_back(index);
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
