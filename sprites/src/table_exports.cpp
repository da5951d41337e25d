// The exports that manage the sprite table: loading, releasing, size query.
#include "Orvalin.h"

#include "sprite_loader.h"
#include "sprite_table.h"

#include <cstddef>

// Callers fill and read this record across the library boundary.
static_assert(sizeof(OrvalinSize) == 8 && offsetof(OrvalinSize, width) == 0 && offsetof(OrvalinSize, height) == 4,
              "the size record is two 32-bit integers, width then height");

namespace {

using orvalin::SizeLimit;

template <typename Path, typename Open>
int LoadFrom(Path path, SizeLimit limit, Open open)
{
    // A full table refuses before the file is touched.
    const int slot = orvalin::FirstEmptySlot();
    if (slot < 0 || path == nullptr)
        return 0;
    HANDLE file = open(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
    if (file == INVALID_HANDLE_VALUE || file == nullptr)
        return 0;
    const int handle = orvalin::LoadSpriteFile(file, slot, limit);
    CloseHandle(file);
    return handle;
}

} // namespace

extern "C" {

ORVALIN_EXTERN int WINAPI LoadGUIResourceA(LPCSTR path)
{
    return LoadFrom(path, SizeLimit::UpTo64, CreateFileA);
}

ORVALIN_EXTERN int WINAPI LoadGUIResourceW(LPCWSTR path)
{
    return LoadFrom(path, SizeLimit::Unbounded, CreateFileW);
}

ORVALIN_EXTERN int WINAPI UnLoadGUIResource(int handle)
{
    return orvalin::ReleaseSprite(handle) ? 1 : 0;
}

ORVALIN_EXTERN void WINAPI GetGUIResourceSize(int handle, OrvalinSize *size)
{
    if (size == nullptr)
        return;
    *size = OrvalinSize{0, 0};
    if (const orvalin::SpriteRecord *record = orvalin::FindSprite(handle))
        *size = OrvalinSize{record->width, record->height};
}

} // extern "C"
