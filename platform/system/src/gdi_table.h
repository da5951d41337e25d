// The process-wide table of GDI objects. A handle names a slot and the
// generation the slot had when the object was made; a slot that is freed
// gets a new generation, so a handle is never issued twice and a stale or
// made-up handle finds nothing and fails cleanly instead of reaching freed
// memory. Lookups are an index and a comparison, not a hash. Callers hold
// gdiLock() while they use anything they looked up.
#ifndef PELLORY_SYSTEM_GDI_TABLE_H
#define PELLORY_SYSTEM_GDI_TABLE_H

#include "dib_bits_pool.h"
#include "gdi_lock.h"
#include "surface.h"
#include "system_services.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace pellory::sys {

using GdiHandle = std::uintptr_t;

struct RecycleBits {
    std::size_t size = 0;
    void operator()(BYTE *bits) const { recycleDibBits(bits, size); }
};

struct BitmapObject {
    std::unique_ptr<BYTE, RecycleBits> bits; // empty for the stock bitmap
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

class GdiTable {
public:
    static GdiTable &instance();

    // 0 when the table is full or out of memory; the object is then dropped.
    GdiHandle add(BitmapObject bitmap);
    GdiHandle add(DcObject dc);
    BitmapObject *bitmap(GdiHandle handle);
    DcObject *dc(GdiHandle handle);
    void erase(GdiHandle handle);

    // The 1x1 bitmap every memory DC starts with; never freed, never counted.
    GdiHandle stockBitmap() { return kStockBitmap; }
    bool isStock(GdiHandle handle) const { return handle == kStockBitmap; }

    int liveCount() const { return liveCount_; }

    // What a DC draws on: its window surface or its selected bitmap.
    std::optional<Surface> surfaceOf(const DcObject &dc);

private:
    GdiTable();

    static constexpr GdiHandle kStockBitmap = 0x1000;
    // Handles are (generation << kSlotBits | slot) << 2: multiples of 4 like
    // the aligned values callers expect, above the stock bitmap (generations
    // start at 1) and below 2^40, where file handles begin.
    static constexpr int kSlotBits = 16;
    static constexpr uint32_t kSlotLimit = uint32_t{1} << kSlotBits;
    static constexpr uint32_t kGenerationLimit = uint32_t{1} << (40 - 2 - kSlotBits);

    using Object = std::variant<std::monostate, BitmapObject, DcObject>;
    struct Slot {
        uint32_t generation = 1;
        Object object;
    };

    // Slots live in fixed blocks, so objects never move while in use and an
    // index is found with a shift and a mask.
    static constexpr int kBlockBits = 8;
    static constexpr uint32_t kBlockSize = uint32_t{1} << kBlockBits;
    Slot &slot(uint32_t index) { return blocks_[index >> kBlockBits][index & (kBlockSize - 1)]; }

    bool grow();
    GdiHandle insert(Object object);
    Object *find(GdiHandle handle);
    template <typename T> T *findAs(GdiHandle handle);

    std::vector<std::unique_ptr<Slot[]>> blocks_;
    uint32_t slotCount_ = 0;     // slots ever used, all in blocks_
    std::vector<uint32_t> free_; // emptied slots with generations left
    BitmapObject stock_;
    int liveCount_ = 0;
};

inline GdiHandle toGdiHandle(const void *handle) { return reinterpret_cast<GdiHandle>(handle); }

} // namespace pellory::sys

#endif
