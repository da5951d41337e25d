// Orvalin.dll as a Windows caller binds it: the export table holds exactly
// the seven functions, undecorated, at ordinals 1 to 7, and each function
// follows the stdcall convention.
#include "Orvalin.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace {

struct Export {
    const char *name;
    WORD ordinal;
};

const Export kExports[] = {
    {"LoadGUIResourceA", 1}, {"LoadGUIResourceW", 2}, {"UnLoadGUIResource", 3}, {"RenderGUIResourceDC", 4},
    {"GetGUIResourceSize", 5}, {"SetPalette", 6},     {"RenderGUISMS", 7},
};

class ExportsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        module_ = LoadLibraryA("Orvalin.dll");
        ASSERT_NE(nullptr, module_) << "error " << GetLastError();
    }
    void TearDown() override
    {
        if (module_ != nullptr)
            FreeLibrary(module_);
    }
    FARPROC ByName(const char *name) const { return GetProcAddress(module_, name); }
    FARPROC ByOrdinal(WORD ordinal) const { return GetProcAddress(module_, MAKEINTRESOURCEA(ordinal)); }

    // Export name -> ordinal, read from the loaded image's export directory.
    std::map<std::string, DWORD> ExportDirectory(DWORD &functionCount, std::string &dllName) const
    {
        const auto *base = reinterpret_cast<const BYTE *>(module_);
        const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
        const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY &entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
        const auto *directory = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY *>(base + entry.VirtualAddress);
        const auto *names = reinterpret_cast<const DWORD *>(base + directory->AddressOfNames);
        const auto *indices = reinterpret_cast<const WORD *>(base + directory->AddressOfNameOrdinals);
        functionCount = directory->NumberOfFunctions;
        dllName = reinterpret_cast<const char *>(base + directory->Name);
        std::map<std::string, DWORD> table;
        for (DWORD i = 0; i < directory->NumberOfNames; ++i)
            table[reinterpret_cast<const char *>(base + names[i])] = directory->Base + indices[i];
        return table;
    }

    HMODULE module_ = nullptr;
};

TEST_F(ExportsTest, ExactlySevenUndecoratedNamesAtOrdinalsOneToSeven)
{
    DWORD functionCount = 0;
    std::string dllName;
    const std::map<std::string, DWORD> table = ExportDirectory(functionCount, dllName);
    EXPECT_EQ("Orvalin.dll", dllName);
    EXPECT_EQ(7u, functionCount);
    std::map<std::string, DWORD> expected;
    for (const Export &e : kExports)
        expected[e.name] = e.ordinal;
    EXPECT_EQ(expected, table);
    for (const Export &e : kExports) {
        SCOPED_TRACE(e.name);
        EXPECT_NE(nullptr, ByName(e.name));
        EXPECT_EQ(ByName(e.name), ByOrdinal(e.ordinal));
    }
    EXPECT_EQ(nullptr, ByOrdinal(8));
}

// Every function called with invalid arguments through the header's pointer
// types: each fails with 0 and (below) leaves the stack as stdcall requires.
template <typename Proc> Proc As(FARPROC function) { return reinterpret_cast<Proc>(reinterpret_cast<void *>(function)); }

TEST_F(ExportsTest, FunctionsCalledThroughTheirPointerTypes)
{
    EXPECT_EQ(0, As<LoadGUIResourceAProc>(ByOrdinal(1))("missing.dat"));
    EXPECT_EQ(0, As<LoadGUIResourceWProc>(ByOrdinal(2))(L"missing.dat"));
    EXPECT_EQ(0, As<UnLoadGUIResourceProc>(ByOrdinal(3))(101));
    EXPECT_EQ(0, As<RenderGUIResourceDCProc>(ByOrdinal(4))(-1, nullptr, 1, 2, 50));
    OrvalinSize size{7, 7};
    As<GetGUIResourceSizeProc>(ByOrdinal(5))(0, &size);
    EXPECT_EQ(0, size.width);
    EXPECT_EQ(0, size.height);
    EXPECT_EQ(0, As<SetPaletteProc>(ByOrdinal(6))(0, nullptr, 1, 2));
    EXPECT_EQ(0, As<RenderGUISMSProc>(ByOrdinal(7))(101, nullptr, 1, 2, 50));
}

#if defined(__i386__)
extern "C" int CallMeasuringStack(const void *function, const uint32_t *arguments, int count, int *result);

TEST_F(ExportsTest, EachCalleePopsItsArguments)
{
    static OrvalinSize size;
    const auto path = reinterpret_cast<uint32_t>("missing.dat");
    const auto widePath = reinterpret_cast<uint32_t>(L"missing.dat");
    const auto sizeAddress = reinterpret_cast<uint32_t>(&size);
    const struct {
        WORD ordinal;
        std::array<uint32_t, 5> arguments;
        int count;
    } calls[] = {
        {1, {path}, 1},           {2, {widePath}, 1},        {3, {101}, 1}, {4, {0xFFFFFFFF, 0, 1, 2, 50}, 5},
        {5, {0, sizeAddress}, 2}, {6, {0, 0, 1, 2}, 4}, {7, {101, 0, 1, 2, 50}, 5},
    };
    for (const auto &call : calls) {
        SCOPED_TRACE(call.ordinal);
        int result = -1;
        EXPECT_EQ(0, CallMeasuringStack(reinterpret_cast<const void *>(ByOrdinal(call.ordinal)),
                                        call.arguments.data(), call.count, &result));
        if (call.ordinal != 5) { // GetGUIResourceSize has no result
            EXPECT_EQ(0, result);
        }
    }
}
#endif

} // namespace
