#include "invalidation_recorder.h"

#include "invalidation_log.h"
#include "system_services.h"

InvalidationRecorder::InvalidationRecorder()
{
    recorded().clear();
    static const SysWindowHooks hooks{nullptr, nullptr, recordInvalidation, nullptr};
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
