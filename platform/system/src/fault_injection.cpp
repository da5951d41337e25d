#include "fault_injection.h"

#include <mutex>

namespace pellory::sys {
namespace {

struct ArmedFailures {
    std::mutex mutex;
    int kinds = 0;
    int remaining = 0;
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
    std::lock_guard guard(state.mutex);
    if ((state.kinds & kind) == 0 || state.remaining <= 0)
        return false;
    --state.remaining;
    return true;
}

} // namespace pellory::sys

extern "C" void SysFailNextCreations(int kinds, int count)
{
    auto &state = pellory::sys::armed();
    std::lock_guard guard(state.mutex);
    state.kinds = count > 0 ? kinds : 0;
    state.remaining = kinds != 0 && count > 0 ? count : 0;
}
