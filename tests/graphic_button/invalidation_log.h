// The calls an InvalidationRecorder has seen, shared by its two system variants.
#ifndef PELLORY_TESTS_INVALIDATION_LOG_H
#define PELLORY_TESTS_INVALIDATION_LOG_H

#include <vector>

#include "invalidation_recorder.h"

inline std::vector<Invalidation> &recorded()
{
    static std::vector<Invalidation> calls;
    return calls;
}

// Stands in for InvalidateRect.
inline BOOL WINAPI recordInvalidation(HWND window, const RECT *area, BOOL erase)
{
    recorded().push_back({window, area != nullptr ? *area : RECT{-1, -1, -1, -1}, erase});
    return TRUE;
}

#endif
