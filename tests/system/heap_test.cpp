#include "gdi_test_support.h"

#include <cstring>

namespace pellory::test {
namespace {

using HeapTest = GdiTest;

TEST_F(HeapTest, ZeroMemoryFlagClearsReusedMemory)
{
    HANDLE heap = GetProcessHeap();
    void *dirty = HeapAlloc(heap, 0, 4096);
    ASSERT_NE(dirty, nullptr);
    std::memset(dirty, 0xAB, 4096);
    HeapFree(heap, 0, dirty);
    const BYTE *clean = static_cast<BYTE *>(HeapAlloc(heap, HEAP_ZERO_MEMORY, 4096));
    ASSERT_NE(clean, nullptr);
    for (int i = 0; i < 4096; ++i)
        ASSERT_EQ(clean[i], 0) << "byte " << i;
    HeapFree(heap, 0, const_cast<BYTE *>(clean));
}

TEST_F(HeapTest, BlocksAreCountedUntilFreed)
{
    HANDLE heap = GetProcessHeap();
    const int before = SysLiveHeapBlockCount();
    void *a = HeapAlloc(heap, 0, 16);
    void *empty = HeapAlloc(heap, 0, 0);
    EXPECT_NE(empty, nullptr) << "a zero-byte block is still a block";
    EXPECT_EQ(SysLiveHeapBlockCount(), before + 2);
    EXPECT_TRUE(HeapFree(heap, 0, a));
    EXPECT_TRUE(HeapFree(heap, 0, empty));
    EXPECT_EQ(SysLiveHeapBlockCount(), before);
}

TEST_F(HeapTest, FreeingWhatTheHeapDidNotGiveFails)
{
    HANDLE heap = GetProcessHeap();
    void *block = HeapAlloc(heap, 0, 8);
    int local = 0;
    EXPECT_FALSE(HeapFree(heap, 0, &local)) << "not a heap block";
    EXPECT_FALSE(HeapFree(&local, 0, block)) << "not the process heap";
    EXPECT_EQ(HeapAlloc(&local, 0, 8), nullptr) << "not the process heap";
    EXPECT_TRUE(HeapFree(heap, 0, block));
    EXPECT_FALSE(HeapFree(heap, 0, block)) << "freed twice";
    EXPECT_TRUE(HeapFree(heap, 0, nullptr)) << "freeing nothing succeeds";
}

TEST_F(HeapTest, ArmedHeapFailuresRunOut)
{
    HANDLE heap = GetProcessHeap();
    SysFailNextCreations(SYS_RESOURCE_HEAP, 1);
    EXPECT_EQ(HeapAlloc(heap, 0, 8), nullptr);
    void *block = HeapAlloc(heap, 0, 8);
    EXPECT_NE(block, nullptr);
    HeapFree(heap, 0, block);
}

} // namespace
} // namespace pellory::test
