#include "fault_injection.h"

#include <atomic>
#include <mutex>

namespace pellory::sys {
namespace {

struct ArmedFailures {
    std::mutex mutex;
    int kinds = 0;
    int skipped = 0; // matching creations that still succeed before the failures
    int remaining = 0;
    // Read without the lock on every creation; set only while failures are armed.
    std::atomic<bool> armed{false};
};

ArmedFailures &armed()
{
    static ArmedFailures state;
    return state;
}

} // namespace

bool creationMustFail(SysResource kind)
{
    ArmedFailures &state = armed();
    if (!state.armed.load(std::memory_order_acquire))
        return false;
    std::lock_guard guard(state.mutex);
    if ((state.kinds & kind) == 0 || state.remaining <= 0)
        return false;
    if (state.skipped > 0) {
        --state.skipped;
        return false;
    }
    --state.remaining;
    state.armed.store(state.remaining > 0, std::memory_order_release);
    return true;
}

} // namespace pellory::sys

namespace {

void arm(int kinds, int skipped, int count)
{
    auto &state = pellory::sys::armed();
    std::lock_guard guard(state.mutex);
    state.kinds = count > 0 ? kinds : 0;
    state.skipped = skipped > 0 ? skipped : 0;
    state.remaining = kinds != 0 && count > 0 ? count : 0;
    state.armed.store(state.remaining > 0, std::memory_order_release);
}

} // namespace

extern "C" void SysFailNextCreations(int kinds, int count) { arm(kinds, 0, count); }

extern "C" void SysFailCreationAfter(int kinds, int skipped) { arm(kinds, skipped, 1); }
