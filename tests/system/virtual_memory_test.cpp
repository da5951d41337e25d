#include <gtest/gtest.h>

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "windows.h"

namespace {

constexpr SIZE_T kBytes = 5 * 4096 + 100;

// Whether every page of [block, block + bytes) is mapped and present.
bool PagesPresent(const void *block, SIZE_T bytes)
{
    std::vector<unsigned char> present((bytes + 4095) / 4096);
    if (mincore(const_cast<void *>(block), bytes, present.data()) != 0)
        return false;
    for (const unsigned char page : present)
        if ((page & 1) == 0)
            return false;
    return true;
}

// The block comes zeroed and writable with every page already present, and a
// forked child does not get it at all: mincore fails there on unmapped pages.
TEST(VirtualMemoryTest, CommittedPagesArePresentAndNotInheritedByAForkedChild)
{
    auto *block = static_cast<BYTE *>(VirtualAlloc(nullptr, kBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(PagesPresent(block, kBytes)) << "present before the first write";
    for (SIZE_T i = 0; i < kBytes; ++i)
        ASSERT_EQ(block[i], 0) << "byte " << i;
    block[kBytes - 1] = 7;
    const pid_t child = fork();
    if (child == 0)
        _exit(PagesPresent(block, kBytes) ? 1 : 0);
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child saw the block";
    EXPECT_TRUE(VirtualFree(block, 0, MEM_RELEASE));
    EXPECT_FALSE(PagesPresent(block, kBytes)) << "released";
}

TEST(VirtualMemoryTest, RequestsOutsideWhatIsImplementedFailAndReleaseNothing)
{
    void *block = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_NE(block, nullptr);
    int local = 0;
    EXPECT_EQ(VirtualAlloc(block, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE), nullptr) << "at an address";
    EXPECT_EQ(VirtualAlloc(nullptr, 0, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE), nullptr) << "no bytes";
    EXPECT_EQ(VirtualAlloc(nullptr, 4096, MEM_RESERVE, PAGE_READWRITE), nullptr) << "reserved only";
    EXPECT_FALSE(VirtualFree(block, 4096, MEM_RELEASE)) << "a size with MEM_RELEASE";
    EXPECT_FALSE(VirtualFree(&local, 0, MEM_RELEASE)) << "not an allocation";
    EXPECT_FALSE(VirtualFree(static_cast<BYTE *>(block) + 1, 0, MEM_RELEASE)) << "inside an allocation";
    EXPECT_TRUE(PagesPresent(block, 4096)) << "still mapped";
    EXPECT_TRUE(VirtualFree(block, 0, MEM_RELEASE));
    EXPECT_FALSE(VirtualFree(block, 0, MEM_RELEASE)) << "released twice";
}

} // namespace
