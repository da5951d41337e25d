// File names as each system's build hands them to the C library.
#include <gtest/gtest.h>

#include "forms/file_path.h"

namespace {

#ifdef _WIN32
TEST(FilePath, IsTheUtf16UnitsAsWrittenStraySurrogatesIncluded)
{
    // Windows names may hold a stray surrogate: a name the system listed must
    // open again, and "?" is no character of a Windows name.
    const std::pair<forms::Text, std::wstring> cases[] = {
        {u"C:\\Pellory\\skins\\\u0417\u0438\u043C\u0430\\", L"C:\\Pellory\\skins\\\u0417\u0438\u043C\u0430\\"},
        {u"lone\xD800", L"lone\xD800"},
    };
    for (const auto &[text, native] : cases) {
        EXPECT_EQ(forms::filePath(text).native(), native);
        EXPECT_EQ(forms::textFromPath(forms::filePath(text)), text);
    }
}
#else
TEST(FilePath, IsTheUtf8BytesAsWrittenAndNeverThrows)
{
    const std::pair<forms::Text, std::string> cases[] = {
        {u"/opt/\u041F\u0440\u043E/skins/", "/opt/\xD0\x9F\xD1\x80\xD0\xBE/skins/"}, // trailing "/" kept
        {u"//send", "//send"},
        {u"we\\ird/./a", "we\\ird/./a"}, // a "\" is part of the name; "." stays
        {u"lone\xD800", "lone?"}, // a stray surrogate stands as "?"
    };
    for (const auto &[text, bytes] : cases)
        EXPECT_EQ(forms::filePath(text).native(), bytes) << bytes;
}
#endif

} // namespace
