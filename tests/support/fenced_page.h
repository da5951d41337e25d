// One readable and writable page between two that fault on any access, so
// code that reads a byte before or after a buffer placed at either edge of
// the page crashes the test. Shared by the tests of the pixel loops.
#ifndef PELLORY_TESTS_SUPPORT_FENCED_PAGE_H
#define PELLORY_TESTS_SUPPORT_FENCED_PAGE_H

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/mman.h>
#endif

class FencedPage {
public:
    static constexpr size_t kBytes = 4096;

    FencedPage()
    {
#if defined(_WIN32)
        base_ = static_cast<uint8_t *>(VirtualAlloc(nullptr, 3 * kBytes, MEM_RESERVE, PAGE_NOACCESS));
        if (base_ != nullptr && VirtualAlloc(base_ + kBytes, kBytes, MEM_COMMIT, PAGE_READWRITE) == nullptr)
            release();
#else
        void *pages = mmap(nullptr, 3 * kBytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        base_ = pages == MAP_FAILED ? nullptr : static_cast<uint8_t *>(pages);
        if (base_ != nullptr && mprotect(base_ + kBytes, kBytes, PROT_READ | PROT_WRITE) != 0)
            release();
#endif
    }
    ~FencedPage() { release(); }
    FencedPage(const FencedPage &) = delete;
    FencedPage &operator=(const FencedPage &) = delete;

    bool valid() const { return base_ != nullptr; }
    // Where a buffer starts right after the first fence, or ends right
    // before the second (`bytes` at most kBytes).
    uint8_t *first() { return base_ + kBytes; }
    uint8_t *endingWith(size_t bytes) { return base_ + 2 * kBytes - bytes; }

private:
    void release()
    {
        if (base_ == nullptr)
            return;
#if defined(_WIN32)
        VirtualFree(base_, 0, MEM_RELEASE);
#else
        munmap(base_, 3 * kBytes);
#endif
        base_ = nullptr;
    }

    uint8_t *base_ = nullptr;
};

#endif
