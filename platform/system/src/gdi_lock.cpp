#include "gdi_lock.h"

#include <sys/single_threaded.h>

#include <thread>

namespace pellory::sys {

void GdiLock::lock()
{
    if (__libc_single_threaded) {
        held_.store(true, std::memory_order_relaxed);
        return;
    }
    while (held_.exchange(true, std::memory_order_acquire))
        while (held_.load(std::memory_order_relaxed))
            std::this_thread::yield();
}

std::unique_lock<GdiLock> gdiLock()
{
    static GdiLock lock;
    return std::unique_lock(lock);
}

} // namespace pellory::sys
