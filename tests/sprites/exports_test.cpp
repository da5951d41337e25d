// The library's dynamic symbol table holds the seven functions and nothing of ours besides.
#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

const char *const kExports[] = {"LoadGUIResourceA", "LoadGUIResourceW",  "UnLoadGUIResource", "RenderGUIResourceDC",
                                "GetGUIResourceSize", "SetPalette", "RenderGUISMS"};

class ExportsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        library_ = dlopen(ORVALIN_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(nullptr, library_) << dlerror();
    }
    void TearDown() override
    {
        if (library_ != nullptr)
            dlclose(library_);
    }
    void *library_ = nullptr;
};

TEST_F(ExportsTest, SevenFunctionsByTheirUndecoratedNames)
{
    for (const char *name : kExports)
        EXPECT_NE(nullptr, dlsym(library_, name)) << name;
}

TEST_F(ExportsTest, InternalsStayHidden)
{
    for (const char *name : {"_ZN7orvalin10FindSpriteEi", "_ZN7orvalin11BlendSpriteEPKhiiS1_Phmf",
                             "_ZN7orvalin15BuildBlendTableEfRNS_10BlendTableE", "_ZN7orvalin13ReleaseSpriteEi"})
        EXPECT_EQ(nullptr, dlsym(library_, name)) << name;
}

} // namespace
