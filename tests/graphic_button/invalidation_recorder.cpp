#include "invalidation_recorder.h"

namespace {

std::vector<Invalidation> &recorded()
{
    static std::vector<Invalidation> calls;
    return calls;
}

BOOL record(HWND window, const RECT *area, BOOL erase)
{
    recorded().push_back({window, area != nullptr ? *area : RECT{-1, -1, -1, -1}, erase});
    return TRUE;
}

} // namespace

InvalidationRecorder::InvalidationRecorder()
{
    recorded().clear();
    static const SysWindowHooks hooks{nullptr, nullptr, record, nullptr};
    SysInstallWindowHooks(&hooks);
}

InvalidationRecorder::~InvalidationRecorder()
{
    SysInstallWindowHooks(nullptr);
    recorded().clear();
}

const std::vector<Invalidation> &InvalidationRecorder::calls() const
{
    return recorded();
}
