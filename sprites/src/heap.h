// Every buffer of the library comes from the process heap, so that the
// system layer's accounting and fault injection see all of them.
#ifndef ORVALIN_HEAP_H
#define ORVALIN_HEAP_H

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace orvalin {

inline uint8_t *AllocateBytes(size_t count)
{
    return static_cast<uint8_t *>(HeapAlloc(GetProcessHeap(), 0, count));
}

inline void FreeBytes(void *block)
{
    if (block != nullptr)
        HeapFree(GetProcessHeap(), 0, block);
}

} // namespace orvalin

#endif
