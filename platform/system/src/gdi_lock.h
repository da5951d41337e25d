// The lock around the GDI table. A program draws from one thread, so it is
// hardly ever contended, and a drawing call takes it once for each of its
// handful of GDI calls: taking it is one atomic exchange and releasing it a
// plain store, where a mutex costs two atomic operations. While the process
// has a single thread no other thread can hold it, and no atomic operation
// is needed at all. A waiter yields until the holder lets go.
#ifndef PELLORY_SYSTEM_GDI_LOCK_H
#define PELLORY_SYSTEM_GDI_LOCK_H

#include <atomic>
#include <mutex>

namespace pellory::sys {

class GdiLock {
public:
    void lock();
    void unlock() { held_.store(false, std::memory_order_release); }

private:
    std::atomic<bool> held_{false};
};

std::unique_lock<GdiLock> gdiLock();

} // namespace pellory::sys

#endif
