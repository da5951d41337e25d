// MouseMove and Render run for six buttons on every pointer event and timer
// tick: they must allocate nothing of their own. Every heap allocation of the
// process is counted by interposing the C allocator; the button's calls must
// allocate exactly what the sprite library's own calls do.
#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>

#include "button_fixture.h"

extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *block, std::size_t size);
void *__libc_memalign(std::size_t alignment, std::size_t size);
}

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void noteAllocation()
{
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
}

template <typename Calls>
long allocationsDuring(Calls &&calls)
{
    allocations = 0;
    counting = true;
    calls();
    counting = false;
    return allocations;
}

} // namespace

extern "C" {
void *malloc(std::size_t size)
{
    noteAllocation();
    return __libc_malloc(size);
}
void *calloc(std::size_t count, std::size_t size)
{
    noteAllocation();
    return __libc_calloc(count, size);
}
void *realloc(void *block, std::size_t size)
{
    noteAllocation();
    return __libc_realloc(block, size);
}
void *aligned_alloc(std::size_t alignment, std::size_t size)
{
    noteAllocation();
    return __libc_memalign(alignment, size);
}
int posix_memalign(void **block, std::size_t alignment, std::size_t size)
{
    noteAllocation();
    *block = __libc_memalign(alignment, size);
    return *block != nullptr ? 0 : 12; // ENOMEM
}
}

namespace {

using ButtonAllocations = ButtonTest;

TEST_F(ButtonAllocations, TheCounterSeesAllocations)
{
    // Stored through a volatile pointer so that the compiler keeps both allocations.
    static void *volatile sink;
    const long counted = allocationsDuring([] {
        sink = new int(1);
        delete static_cast<int *>(sink);
        sink = std::malloc(8);
        std::free(sink);
    });
    EXPECT_EQ(counted, 2);
}

TEST_F(ButtonAllocations, NoneWithoutTheLibrary)
{
    library = libraryIn(folder.path().u16string());
    ClassGraphicButton button(*library);
    button.Load(410, 10, u"missing.dat");
    DrawingSurface surface(500, 100, 100);
    button.SetPalete(surface.dc());
    EXPECT_EQ(allocationsDuring([&] {
                  button.MouseMove(442, 42);
                  button.Render(surface.dc());
              }),
              0);
}

// Steady redrawing: the library creates and frees its device context and
// work bitmap in every call, and the system layer recycles their memory.
TEST_F(ButtonAllocations, NoneWhileRedrawing)
{
    requireLibrary();
    ClassGraphicButton button(*library);
    ASSERT_EQ(load(button, 410, 10, sprite("but1.dat", 64, 64, Bgra{10, 20, 30, 128})), 1);
    DrawingSurface surface(500, 100, 100);
    button.SetPalete(surface.dc());
    button.MouseMove(442, 42); // binds the functions
    button.Render(surface.dc());

    EXPECT_EQ(allocationsDuring([&] {
                  for (const float x : {442.0f, 446.0f, 459.0f, 300.0f}) {
                      button.MouseMove(x, 42);
                      button.Render(surface.dc());
                  }
              }),
              0);
}

} // namespace
