// Records InvalidateRect calls instead of making them: through the system
// layer's window hooks on Linux, through the program's import table on Windows.
#ifndef PELLORY_TESTS_INVALIDATION_RECORDER_H
#define PELLORY_TESTS_INVALIDATION_RECORDER_H

#include <vector>

#include "windows.h"

struct Invalidation {
    HWND window;
    RECT area;
    BOOL erase;
};

class InvalidationRecorder {
public:
    InvalidationRecorder();
    ~InvalidationRecorder();
    InvalidationRecorder(const InvalidationRecorder &) = delete;
    InvalidationRecorder &operator=(const InvalidationRecorder &) = delete;

    const std::vector<Invalidation> &calls() const;
};

#endif
