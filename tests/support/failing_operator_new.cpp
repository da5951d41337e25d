#include "failing_operator_new.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> armed{false};
std::atomic<bool> thrown{false};
std::atomic<int> callsLeft{0};

} // namespace

namespace pellory_test {

void FailAllocationAfter(int skipped)
{
    thrown = false;
    callsLeft = skipped;
    armed = true;
}

bool ClearAllocationFailure()
{
    armed = false;
    return thrown.exchange(false);
}

} // namespace pellory_test

// Every plain form is replaced, not only the one that can fail, so that a
// sanitizer runtime never sees our blocks freed through its own functions.
void *operator new(std::size_t size)
{
    if (armed && callsLeft-- == 0) {
        armed = false;
        thrown = true;
        throw std::bad_alloc();
    }
    if (void *block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void *block) noexcept { std::free(block); }
void operator delete(void *block, std::size_t) noexcept { std::free(block); }
void *operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void *block) noexcept { std::free(block); }
void operator delete[](void *block, std::size_t) noexcept { std::free(block); }

void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return operator new(size);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}
void *operator new[](std::size_t size, const std::nothrow_t &tag) noexcept { return operator new(size, tag); }
void operator delete(void *block, const std::nothrow_t &) noexcept { std::free(block); }
void operator delete[](void *block, const std::nothrow_t &) noexcept { std::free(block); }
