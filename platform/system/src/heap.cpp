// The process heap: malloc underneath, with every live block remembered so
// that freeing a pointer the heap never gave out fails instead of corrupting
// memory, and so tests can count blocks.
#include "fault_injection.h"

#include <cstdlib>
#include <mutex>
#include <new>
#include <unordered_set>

namespace pellory::sys {
namespace {

struct ProcessHeap {
    std::mutex mutex;
    std::unordered_set<void *> blocks;
};

ProcessHeap &processHeap()
{
    // Never destroyed: blocks may be freed by other static destructors.
    static ProcessHeap *heap = new ProcessHeap;
    return *heap;
}

bool isProcessHeap(HANDLE heap) { return heap == static_cast<HANDLE>(&processHeap()); }

} // namespace
} // namespace pellory::sys

using namespace pellory::sys;

extern "C" {

HANDLE WINAPI GetProcessHeap(void) { return &processHeap(); }

LPVOID WINAPI HeapAlloc(HANDLE hHeap, DWORD dwFlags, SIZE_T dwBytes)
{
    if (!isProcessHeap(hHeap) || creationMustFail(SYS_RESOURCE_HEAP))
        return nullptr;
    // A zero-byte request still yields a distinct, freeable block.
    const size_t bytes = dwBytes == 0 ? 1 : dwBytes;
    void *block = (dwFlags & HEAP_ZERO_MEMORY) != 0 ? std::calloc(bytes, 1) : std::malloc(bytes);
    if (block == nullptr)
        return nullptr;
    // Out of memory for the bookkeeping is out of memory for the caller:
    // nothing may escape a Win32 function.
    try {
        ProcessHeap &heap = processHeap();
        std::lock_guard guard(heap.mutex);
        heap.blocks.insert(block);
    } catch (const std::bad_alloc &) {
        std::free(block);
        return nullptr;
    }
    return block;
}

BOOL WINAPI HeapFree(HANDLE hHeap, DWORD, LPVOID lpMem)
{
    if (!isProcessHeap(hHeap))
        return FALSE;
    if (lpMem == nullptr)
        return TRUE;
    ProcessHeap &heap = processHeap();
    {
        std::lock_guard guard(heap.mutex);
        if (heap.blocks.erase(lpMem) == 0)
            return FALSE;
    }
    std::free(lpMem);
    return TRUE;
}

int SysLiveHeapBlockCount(void)
{
    ProcessHeap &heap = processHeap();
    std::lock_guard guard(heap.mutex);
    return static_cast<int>(heap.blocks.size());
}

} // extern "C"
