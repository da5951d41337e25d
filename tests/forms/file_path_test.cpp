// File names as the Linux build hands them to the C library.
#include <gtest/gtest.h>

#include "forms/file_path.h"

namespace {

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

} // namespace
