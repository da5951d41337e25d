// Committed pages as Windows gives them to callers that write them at once
// (a window's pixels, blocks of message text): zeroed, private to this
// process, and here present from the start. One mapping call makes every page
// present, where touching them one by one costs a page fault each, which a
// virtual machine can make many times dearer than the writing itself. A
// child process inherits no memory on Windows, so none of these pages is
// inherited by a forked child either: a child forked while they live (a
// launcher, a helper program) would otherwise make each of them
// copy-on-write, and the next write to it fault again.
#include "windows.h"

#include <sys/mman.h>

#include <map>
#include <mutex>
#include <new>

namespace pellory::sys {
namespace {

// The length of every live mapping, which MEM_RELEASE does not pass.
struct Mappings {
    std::mutex mutex;
    std::map<void *, size_t> lengths;
};

Mappings &mappings()
{
    // Never destroyed: mappings may be released by other static destructors.
    static Mappings *live = new Mappings;
    return *live;
}

void *mapPresentPages(size_t bytes)
{
    void *pages = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (pages == MAP_FAILED)
        return nullptr;
    // Only an optimisation for forked children: the pages stay usable without it.
    madvise(pages, bytes, MADV_DONTFORK);
    return pages;
}

} // namespace
} // namespace pellory::sys

using namespace pellory::sys;

extern "C" {

// Only what the program asks for: new committed read-write pages anywhere.
LPVOID WINAPI VirtualAlloc(LPVOID lpAddress, SIZE_T dwSize, DWORD flAllocationType, DWORD flProtect)
{
    if (lpAddress != nullptr || dwSize == 0 || flAllocationType != (MEM_COMMIT | MEM_RESERVE) ||
        flProtect != PAGE_READWRITE)
        return nullptr;
    void *pages = mapPresentPages(dwSize);
    if (pages == nullptr)
        return nullptr;
    try {
        Mappings &live = mappings();
        std::lock_guard guard(live.mutex);
        live.lengths.emplace(pages, dwSize);
    } catch (const std::bad_alloc &) {
        munmap(pages, dwSize);
        return nullptr;
    }
    return pages;
}

// Releases a whole allocation, as MEM_RELEASE with a size of 0 does; any
// other address or request fails and unmaps nothing.
BOOL WINAPI VirtualFree(LPVOID lpAddress, SIZE_T dwSize, DWORD dwFreeType)
{
    if (dwSize != 0 || dwFreeType != MEM_RELEASE)
        return FALSE;
    size_t bytes = 0;
    {
        Mappings &live = mappings();
        std::lock_guard guard(live.mutex);
        const auto found = live.lengths.find(lpAddress);
        if (found == live.lengths.end())
            return FALSE;
        bytes = found->second;
        live.lengths.erase(found);
    }
    return munmap(lpAddress, bytes) == 0;
}

} // extern "C"
