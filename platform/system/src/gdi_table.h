// The process-wide table of GDI objects. Handles are table keys that are
// never reused, so a stale or made-up handle finds nothing and fails cleanly
// instead of reaching freed memory. Callers hold gdiLock() while they use
// anything they looked up.
#ifndef PELLORY_SYSTEM_GDI_TABLE_H
#define PELLORY_SYSTEM_GDI_TABLE_H

#include "surface.h"
#include "system_services.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <variant>

namespace pellory::sys {

using GdiHandle = std::uintptr_t;

struct FreeBits {
    void operator()(BYTE *bits) const { std::free(bits); }
};

struct BitmapObject {
    std::unique_ptr<BYTE, FreeBits> bits; // empty for the stock bitmap
    Surface surface;
    GdiHandle selectedInto = 0;
    // Deleted while selected: freed as soon as its DC lets go of it.
    bool deletePending = false;
};

struct DcObject {
    bool isWindow = false;
    GdiHandle selectedBitmap = 0; // memory DCs
    Surface windowSurface;        // window DCs
    SysSurfaceChanged changed = nullptr;
    void *changedContext = nullptr;
};

std::unique_lock<std::mutex> gdiLock();

class GdiTable {
public:
    static GdiTable &instance();

    GdiHandle add(BitmapObject bitmap);
    GdiHandle add(DcObject dc);
    BitmapObject *bitmap(GdiHandle handle);
    DcObject *dc(GdiHandle handle);
    void erase(GdiHandle handle);

    // The 1x1 bitmap every memory DC starts with; never freed, never counted.
    GdiHandle stockBitmap();
    bool isStock(GdiHandle handle) const { return handle == kStockBitmap; }

    int liveCount() const;

    // What a DC draws on: its window surface or its selected bitmap.
    std::optional<Surface> surfaceOf(const DcObject &dc);

private:
    static constexpr GdiHandle kStockBitmap = 0x1000;
    using Object = std::variant<BitmapObject, DcObject>;
    GdiHandle insert(Object object);
    template <typename T> T *find(GdiHandle handle);

    std::unordered_map<GdiHandle, Object> objects_;
    GdiHandle nextHandle_ = kStockBitmap + 4;
};

inline GdiHandle toGdiHandle(const void *handle) { return reinterpret_cast<GdiHandle>(handle); }

} // namespace pellory::sys

#endif
