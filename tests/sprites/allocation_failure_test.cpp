// Every allocation a load makes, failed one at a time (heap blocks through
// the system layer's seam, C++ allocations of the system layer through a
// failing operator new): the load yields 0 and leaves nothing behind, and
// no exception reaches the caller.
#include "sprite_fixture.h"

#include "failing_operator_new.h"
#include "system_services.h"

#include <filesystem>
#include <functional>

namespace orvalin_test {
namespace {

int OpenDescriptorCount()
{
    const std::filesystem::directory_iterator descriptors("/proc/self/fd");
    return static_cast<int>(std::distance(begin(descriptors), end(descriptors)));
}

struct Injection {
    const char *name;
    std::function<void(int skipped)> arm;
    std::function<bool()> clear; // true when the failure is known to have happened
};

struct Loader {
    const char *name;
    std::function<int()> load; // allocates nothing of its own
};

class AllocationFailureTest : public SpriteLibraryTest {
protected:
    void TearDown() override
    {
        SysFailNextCreations(0, 0);
        pellory_test::ClearAllocationFailure();
        SpriteLibraryTest::TearDown();
    }
};

TEST_F(AllocationFailureTest, EachAllocationOfALoadFailsCleanly)
{
    const Injection injections[] = {
        {"heap block", [](int skipped) { SysFailCreationAfter(SYS_RESOURCE_HEAP, skipped); },
         [] {
             SysFailNextCreations(0, 0);
             return false; // the seam does not tell
         }},
        {"operator new", pellory_test::FailAllocationAfter, pellory_test::ClearAllocationFailure},
    };
    const std::string path = WriteFile("sprite.dat", SpriteFileBytes(3, 2, UniformPixels(3, 2, {1, 2, 3}, 4)));
    const WidePath widePath = Widen(path);
    const Loader loaders[] = {
        {"LoadGUIResourceA", [&path] { return LoadGUIResourceA(path.c_str()); }},
        {"LoadGUIResourceW", [&widePath] { return LoadGUIResourceW(widePath.c_str()); }},
    };
    for (const Loader &loader : loaders)
        for (const Injection &injection : injections) {
            int failedLoads = 0;
            for (int skipped = 0;; ++skipped) {
                SCOPED_TRACE(testing::Message() << loader.name << ", " << injection.name << " after " << skipped);
                const int blocks = SysLiveHeapBlockCount();
                const int descriptors = OpenDescriptorCount();
                injection.arm(skipped);
                int handle = -1;
                EXPECT_NO_THROW(handle = loader.load());
                const bool failed = injection.clear();
                if (handle != 0) {
                    // Reached only once the load made fewer allocations than skipped.
                    EXPECT_EQ(1, handle);
                    EXPECT_FALSE(failed);
                    UnLoadGUIResource(handle);
                    break;
                }
                ++failedLoads;
                EXPECT_EQ(blocks, SysLiveHeapBlockCount());
                EXPECT_EQ(descriptors, OpenDescriptorCount());
                ASSERT_LT(skipped, 100);
            }
            EXPECT_GT(failedLoads, 0) << loader.name << " made no " << injection.name;
        }
}

} // namespace
} // namespace orvalin_test
