#include "fault_injection.h"

#include <atomic>
#include <mutex>

namespace pellory::sys {
namespace {

struct ArmedFailures {
    std::mutex mutex;
    int kinds = 0;
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
    --state.remaining;
    state.armed.store(state.remaining > 0, std::memory_order_release);
    return true;
}

} // namespace pellory::sys

extern "C" void SysFailNextCreations(int kinds, int count)
{
    auto &state = pellory::sys::armed();
    std::lock_guard guard(state.mutex);
    state.kinds = count > 0 ? kinds : 0;
    state.remaining = kinds != 0 && count > 0 ? count : 0;
    state.armed.store(state.remaining > 0, std::memory_order_release);
}
