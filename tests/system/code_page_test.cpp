#include "windows.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>
#include <vector>

namespace pellory::test {
namespace {

char16_t decodeByte(unsigned char byte)
{
    const char in = static_cast<char>(byte);
    char16_t out = 0;
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, &in, 1, &out, 1), 1);
    return out;
}

TEST(CodePageTest, BytesDecodeToTheirWindows1251Characters)
{
    struct Case {
        unsigned char byte;
        char16_t expected;
    };
    const Case cases[] = {{0x41, u'A'},     {0xC0, u'\u0410'}, {0xFF, u'\u044F'},
                          {0xA8, u'\u0401'}, {0xB8, u'\u0451'}, {0x88, u'\u20AC'},
                          {0xB9, u'\u2116'}, {0x98, u'\uFFFD'}, {0x00, u'\0'}};
    for (const Case &c : cases)
        EXPECT_EQ(static_cast<int>(decodeByte(c.byte)), static_cast<int>(c.expected))
            << "byte 0x" << std::hex << int(c.byte);
}

// The expected text straight from iconv; 0x98, which Windows-1251 leaves
// undefined, is U+FFFD.
std::u16string iconvDecoded(const std::string &bytes)
{
    std::string defined = bytes;
    for (char &c : defined)
        if (static_cast<unsigned char>(c) == 0x98)
            c = '?';
    std::u16string out(defined.size(), u'\0');
    iconv_t cd = iconv_open("UTF-16LE", "CP1251");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    char *in = defined.data();
    char *to = reinterpret_cast<char *>(out.data());
    size_t inLeft = defined.size(), outLeft = out.size() * 2;
    EXPECT_NE(iconv(cd, &in, &inLeft, &to, &outLeft), static_cast<size_t>(-1));
    iconv_close(cd);
    for (size_t i = 0; i < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) == 0x98)
            out[i] = u'\uFFFD';
    return out;
}

// Long texts are decoded a block at a time; every byte must come out right at
// every position of a block, in blocks of Russian letters and mixed ones.
TEST(CodePageTest, LongTextsDecodeAsIconvDoes)
{
    std::vector<std::string> texts;
    for (int shift = 0; shift < 16; ++shift) {
        std::string everyByte(static_cast<size_t>(shift), 'x');
        for (int b = 1; b < 256; ++b)
            everyByte += static_cast<char>(b);
        texts.push_back(everyByte);
    }
    std::string russian;
    unsigned seed = 12345;
    for (int i = 0; i < 4096; ++i) {
        seed = seed * 1103515245u + 12345u;
        const unsigned r = (seed >> 16) % 100;
        russian += static_cast<char>(r < 80 ? 0xC0 + r % 64 : r < 95 ? 0x20 + r % 90 : 0x80 + r % 64);
    }
    texts.push_back(russian);
    for (const std::string &text : texts) {
        std::u16string got(text.size(), u'\0');
        ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                      got.data(), static_cast<int>(got.size())),
                  static_cast<int>(text.size()));
        const std::u16string expected = iconvDecoded(text);
        for (size_t i = 0; i < text.size(); ++i)
            ASSERT_EQ(static_cast<int>(got[i]), static_cast<int>(expected[i]))
                << "byte 0x" << std::hex << int(static_cast<unsigned char>(text[i])) << " at "
                << std::dec << i;
    }
}

TEST(CodePageTest, EveryDefinedByteSurvivesTheRoundTrip)
{
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98)
            continue; // the one byte without a character
        const char16_t wide = decodeByte(static_cast<unsigned char>(b));
        char back = 0;
        BOOL usedDefault = TRUE;
        ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, &wide, 1, &back, 1, nullptr, &usedDefault), 1);
        EXPECT_EQ(static_cast<unsigned char>(back), b);
        EXPECT_FALSE(usedDefault) << "byte " << b;
    }
}

TEST(CodePageTest, UnmappableCharactersBecomeTheDefault)
{
    const std::u16string text = u"Я\u4E2D\uFFFD!";
    char out[4] = {};
    BOOL usedDefault = FALSE;
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, text.data(), 4, out, 4, nullptr, &usedDefault), 4);
    EXPECT_EQ(std::string(out, 4), "\xDF?" "?!");
    EXPECT_TRUE(usedDefault);
    const char star = '*';
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, text.data(), 4, out, 4, &star, nullptr), 4);
    EXPECT_EQ(std::string(out, 4), "\xDF**!");
}

TEST(CodePageTest, TerminatedTextCountsItsNulAndSmallBuffersFail)
{
    const char ansi[] = "\xCF\xF0\xE8";
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0), 4) << "size query";
    char16_t wide[4] = {};
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide, 3), 0) << "no room for the NUL";
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide, 4), 4);
    EXPECT_EQ(std::u16string(wide), u"При");
    char back[4] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, -1, back, 3, nullptr, nullptr), 0);
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, -1, back, 4, nullptr, nullptr), 4);
    EXPECT_EQ(std::string(back), ansi);
    EXPECT_EQ(MultiByteToWideChar(65001, 0, ansi, -1, wide, 4), 0) << "only the ANSI code page";
}

TEST(CodePageTest, SurrogatePairIsOneCharacterAndSizeQueryReportsTheDefault)
{
    const std::u16string text = u"a\U0001F600b";
    BOOL usedDefault = FALSE;
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text.data(), 4, nullptr, 0, nullptr, &usedDefault), 3);
    EXPECT_TRUE(usedDefault) << "the size query already knows";
    char out[3] = {};
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, text.data(), 4, out, 3, nullptr, nullptr), 3);
    EXPECT_EQ(std::string(out, 3), "a?b");
}

TEST(CodePageTest, NegativeCountsOtherThanMinusOneAreRefused)
{
    const char ansi[2] = {'x', 'y'}; // not terminated: must never be scanned
    char16_t wide[4] = {};
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, ansi, -2, wide, 4), 0);
    char out[4] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, -5, out, 4, nullptr, nullptr), 0);
}

} // namespace
} // namespace pellory::test
