#include "system_services.h"

#include <gtest/gtest.h>

#include <string>

namespace pellory::test {
namespace {

std::string libraryFolder()
{
    const std::string path = PELLORY_SYSTEM_LIBRARY;
    return path.substr(0, path.rfind('/'));
}

TEST(DynamicLibraryTest, BindsFunctionsByName)
{
    HMODULE module = LoadLibraryA(PELLORY_SYSTEM_LIBRARY);
    ASSERT_NE(module, nullptr);
    const FARPROC count = GetProcAddress(module, "SysLiveGdiObjectCount");
    EXPECT_EQ(reinterpret_cast<void *>(count), reinterpret_cast<void *>(&SysLiveGdiObjectCount))
        << "the already loaded library is shared, not loaded twice";
    EXPECT_EQ(GetProcAddress(module, "NoSuchFunction"), nullptr);
    EXPECT_EQ(GetProcAddress(module, reinterpret_cast<LPCSTR>(uintptr_t{1})), nullptr)
        << "ordinals are not supported";
    EXPECT_TRUE(FreeLibrary(module));
}

TEST(DynamicLibraryTest, WindowsFileNameFindsTheSharedObject)
{
    HMODULE module = LoadLibraryA((libraryFolder() + "/PellorySystem.dll").c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_NE(GetProcAddress(module, "BitBlt"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
}

TEST(DynamicLibraryTest, UnknownModulesFailCleanly)
{
    EXPECT_EQ(LoadLibraryA((libraryFolder() + "/Missing.dll").c_str()), nullptr);
    EXPECT_EQ(LoadLibraryA(""), nullptr);
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    int notAModule = 0;
    const HMODULE bogus = reinterpret_cast<HMODULE>(&notAModule);
    EXPECT_EQ(GetProcAddress(bogus, "BitBlt"), nullptr);
    EXPECT_FALSE(FreeLibrary(bogus));
    HMODULE module = LoadLibraryA(PELLORY_SYSTEM_LIBRARY);
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_FALSE(FreeLibrary(module)) << "freed more often than loaded";
}

} // namespace
} // namespace pellory::test
