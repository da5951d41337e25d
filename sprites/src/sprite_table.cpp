#include "sprite_table.h"

#include "heap.h"

namespace orvalin {
namespace {

SpriteRecord *slots[kSlotCount];

} // namespace

SpriteRecord *FindSprite(int handle)
{
    const auto number = static_cast<uint32_t>(handle);
    if (number == 0 || number > static_cast<uint32_t>(kSlotCount))
        return nullptr;
    return slots[number - 1];
}

int FirstEmptySlot()
{
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (slots[slot] == nullptr)
            return slot;
    return -1;
}

int OccupySlot(int slot, SpriteRecord *record)
{
    slots[slot] = record;
    return slot + 1;
}

bool ReleaseSprite(int handle)
{
    SpriteRecord *record = FindSprite(handle);
    if (record == nullptr)
        return false;
    if (!record->pixelsBorrowed)
        FreeBytes(record->pixels);
    FreeBytes(record->background);
    FreeBytes(record);
    slots[handle - 1] = nullptr;
    return true;
}

} // namespace orvalin
